"""Moving objects between the scene and the files burstkin-cli reads and writes."""

import math

import bpy

SOURCE_KEY = "burstkin_source"  # on a result collection: its originals' names, one a line
SEED_KEY = "burstkin_seed"
PIECES_KEY = "burstkin_pieces"


def result_collection_of(obj):
    for collection in obj.users_collection:
        if SOURCE_KEY in collection:
            return collection
    return None


def source_objects(context):
    """The selected mesh objects, or, when a piece of an earlier explosion is
    selected instead, the originals of that explosion (hidden since), so a
    second run with other options needs no reselecting."""
    # The active object first: the result is named after it.
    selected = sorted((obj for obj in context.selected_objects if obj.type == 'MESH'),
                      key=lambda obj: obj != context.active_object)
    originals = [result_collection_of(obj) for obj in selected]
    if selected and not any(originals):
        return selected
    for collection in originals:
        if collection is not None:
            names = collection[SOURCE_KEY].split("\n")
            return [bpy.data.objects[n] for n in names if n in bpy.data.objects]
    return []


def export_glb(context, objects, path):
    """Writes the objects, modifiers applied, in world space. Selection and
    visibility are changed for the exporter and put back afterwards."""
    view_layer = context.view_layer
    selected = list(context.selected_objects)
    active = view_layer.objects.active
    hidden = [obj for obj in objects if obj.hide_get()]
    try:
        for obj in selected:
            obj.select_set(False)
        for obj in objects:
            obj.hide_set(False)
            obj.select_set(True)
        bpy.ops.export_scene.gltf(
            filepath=path, export_format='GLB', use_selection=True, export_apply=True,
            export_animations=False, export_cameras=False, export_lights=False,
            export_yup=True)
    finally:
        for obj in objects:
            obj.select_set(False)
        for obj in hidden:
            obj.hide_set(True)
        for obj in selected:
            obj.select_set(True)
        view_layer.objects.active = active


def count_pieces(cob_path):
    """Every piece is one polygon object (a PolH chunk) of the exported .cob."""
    with open(cob_path, "rb") as cob:
        return sum(1 for line in cob if line.startswith(b"PolH "))


def remove_result(collection):
    """Removes an earlier explosion with the data only it used."""
    objects = list(collection.all_objects)
    data = []
    for obj in objects:
        data.append(obj.data)
        animation = obj.animation_data
        if animation is not None:
            data.append(animation.action)
            data.extend(strip.action for track in animation.nla_tracks for strip in track.strips)
        if obj.type == 'MESH':
            data.extend(obj.data.materials)
    for obj in objects:
        bpy.data.objects.remove(obj)
    bpy.data.collections.remove(collection)
    _remove_unused(data)


def _remove_unused(blocks):
    """Removes the blocks nothing uses any more, users before what they use."""
    images = [node.image for block in blocks if isinstance(block, bpy.types.Material)
              and block.node_tree is not None for node in block.node_tree.nodes
              if node.type == 'TEX_IMAGE' and node.image is not None]
    kinds = ((bpy.types.Mesh, bpy.data.meshes), (bpy.types.Action, bpy.data.actions),
             (bpy.types.Material, bpy.data.materials), (bpy.types.Image, bpy.data.images))
    unique = list(dict.fromkeys(block for block in blocks + images if block is not None))
    # Sorted before anything is removed: a removed block cannot be asked its type.
    by_kind = [(owner, [b for b in unique if isinstance(b, kind)]) for kind, owner in kinds]
    for owner, kind_blocks in by_kind:
        for block in kind_blocks:
            if block.users == 0:
                owner.remove(block)


def import_glb(context, path, collection):
    """Imports the exploded .glb into the collection; returns its objects.

    Shading is set to Smooth: the importer's default ("Use Normal Data") goes
    through a path that uses numpy's np.bool, which numpy 1.24 removed, so
    Blender 3.4 with Debian's numpy fails there. Smooth loses nothing for these
    files: a faceted face has corners of its own in the .glb, so it still
    shades flat, and smooth faces share their corners, as they should."""
    scene = context.scene
    engine = scene.render.engine  # the importer switches Workbench to Eevee
    before = set(bpy.data.objects)
    bpy.ops.import_scene.gltf(filepath=path, import_shading='SMOOTH')
    scene.render.engine = engine
    imported = [obj for obj in bpy.data.objects if obj not in before]
    for obj in imported:
        for owner in obj.users_collection:
            owner.objects.unlink(obj)
        collection.objects.link(obj)
    return imported


def frame_range(objects):
    first, last = math.inf, -math.inf
    for obj in objects:
        animation = obj.animation_data
        if animation is not None and animation.action is not None:
            start, end = animation.action.frame_range
            first, last = min(first, start), max(last, end)
    if first > last:
        return None
    return math.floor(first + 1e-3), math.ceil(last - 1e-3)
