"""The Blender add-on in headless Blender: blender -b --factory-startup
--python-exit-code 1 --python addon_test.py -- ADDON.zip (burstkin-cli on PATH)."""

import os
import sys
import unittest

import bpy
from mathutils import kdtree

ZIP = sys.argv[sys.argv.index("--") + 1]
TOLERANCE = 1e-4


def world_vertices(obj, depsgraph):
    evaluated = obj.evaluated_get(depsgraph)
    mesh = evaluated.to_mesh()
    points = [evaluated.matrix_world @ v.co for v in mesh.vertices]
    evaluated.to_mesh_clear()
    return points


def farthest_miss(points, targets):
    """The largest distance from a point to its nearest target."""
    tree = kdtree.KDTree(len(targets))
    for i, target in enumerate(targets):
        tree.insert(target, i)
    tree.balance()
    return max(tree.find(point)[2] for point in points)


def scene_state():
    scene = bpy.context.scene
    return {
        "objects": sorted((o.name, o.hide_get(), o.hide_render, o.select_get(),
                           tuple(round(x, 6) for row in o.matrix_world for x in row))
                          for o in scene.objects),
        "collections": sorted(c.name for c in bpy.data.collections),
        "frames": (scene.frame_start, scene.frame_end, scene.frame_current),
        "engine": scene.render.engine,
        "data": [len(bpy.data.meshes), len(bpy.data.materials), len(bpy.data.images),
                 len(bpy.data.actions)],
    }


def results():
    return [c for c in bpy.data.collections if "burstkin_source" in c]


class AddonTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        bpy.ops.preferences.addon_install(filepath=ZIP, overwrite=True)
        bpy.ops.preferences.addon_enable(module="burstkin")

    def setUp(self):
        bpy.ops.wm.read_factory_settings(use_empty=True)
        bpy.ops.preferences.addon_enable(module="burstkin")
        bpy.context.scene.render.engine = 'BLENDER_WORKBENCH'

    def select_only(self, *objects):
        for obj in bpy.context.scene.objects:
            obj.select_set(obj in objects)
        bpy.context.view_layer.objects.active = objects[0]

    def add_monkey(self, levels, **transform):
        bpy.ops.mesh.primitive_monkey_add(**transform)
        monkey = bpy.context.active_object
        monkey.modifiers.new("Subdivision", 'SUBSURF').levels = levels
        return monkey

    def expect_rest_pose_on(self, originals, result):
        """At frame 0 the pieces cover the originals' world-space surfaces exactly."""
        scene = bpy.context.scene
        scene.frame_set(0)
        depsgraph = bpy.context.evaluated_depsgraph_get()
        pieces = [o for o in result.all_objects if o.type == 'MESH']
        self.assertEqual(len(pieces), result["burstkin_pieces"])
        self.assertGreater(len(pieces), 1)
        before = [p for o in originals for p in world_vertices(o, depsgraph)]
        after = [p for o in pieces for p in world_vertices(o, depsgraph)]
        self.assertLess(farthest_miss(after, before), TOLERANCE)
        self.assertLess(farthest_miss(before, after), TOLERANCE)

    def test_monkey_explodes_in_place_with_materials_and_reruns_replace_it(self):
        monkey = self.add_monkey(1, location=(1, -2, 0.5), rotation=(0.4, 0.2, 1.1))
        monkey.scale = (1.5, 1.5, 1.5)
        material = bpy.data.materials.new("Paint")
        material.use_nodes = True
        image = bpy.data.images.new("Dots", 8, 8)
        image.pixels = [0.5] * (8 * 8 * 4)
        image.pack()
        texture = material.node_tree.nodes.new('ShaderNodeTexImage')
        texture.image = image
        shader = material.node_tree.nodes["Principled BSDF"]
        material.node_tree.links.new(texture.outputs["Color"], shader.inputs["Base Color"])
        monkey.data.materials.append(material)
        bpy.context.scene.frame_current = 12
        bpy.context.scene.burstkin.min_pieces = 150  # fewer objects for Blender to import

        self.assertEqual(bpy.ops.object.burstkin_explode(), {'FINISHED'})
        [result] = results()
        self.assertEqual(result.name, "Suzanne Burstkin seed 1")
        self.assertTrue(150 <= result["burstkin_pieces"] < 984)
        scene = bpy.context.scene
        self.assertEqual((scene.frame_start, scene.frame_end), (0, 30))
        self.assertEqual(scene.render.engine, 'BLENDER_WORKBENCH')
        self.assertTrue(monkey.hide_get() and monkey.hide_render)
        self.expect_rest_pose_on([monkey], result)
        piece = next(o for o in result.all_objects if o.type == 'MESH')
        images = [n.image for n in piece.active_material.node_tree.nodes
                  if n.type == 'TEX_IMAGE' and n.image is not None]
        self.assertEqual([tuple(i.size) for i in images], [(8, 8)])

        # Again from a selected piece, with other options: the result is replaced.
        self.select_only(piece)
        settings = scene.burstkin
        settings.seed, settings.frame_count, settings.gravity = 2, 48, True
        data_before = len(bpy.data.meshes), len(bpy.data.materials), len(bpy.data.images)
        self.assertEqual(bpy.ops.object.burstkin_explode(), {'FINISHED'})
        [result] = results()
        self.assertEqual(result.name, "Suzanne Burstkin seed 2")
        self.assertEqual(scene.frame_start, 0)
        self.assertGreaterEqual(scene.frame_end, 48)
        self.expect_rest_pose_on([monkey], result)
        pieces = sum(1 for o in result.all_objects if o.type == 'MESH')
        self.assertEqual(len(bpy.data.meshes), 1 + pieces)
        self.assertEqual((len(bpy.data.materials), len(bpy.data.images)), data_before[1:])

    def test_solid_cells_come_back_one_object_a_piece(self):
        self.add_monkey(1)
        settings = bpy.context.scene.burstkin
        settings.piece_shape, settings.cells = 'SOLID', 12
        self.assertEqual(settings.cli_settings(), [("PieceShape", "1"), ("Cells", "12")])
        self.assertEqual(bpy.ops.object.burstkin_explode(), {'FINISHED'})
        [result] = results()
        pieces = [o for o in result.all_objects if o.type == 'MESH']
        self.assertGreater(len(pieces), 1)
        self.assertEqual(len(pieces), result["burstkin_pieces"])  # the .cob's PolH count

    def test_a_preset_goes_to_the_command_and_the_pieces_come_back(self):
        from burstkin import explode
        self.add_monkey(0)
        settings = bpy.context.scene.burstkin
        self.assertEqual(settings.preset, 'NONE')
        settings.preset, settings.min_pieces = 'shatter', 150
        run = explode.ExplodeRun(bpy.context, settings, explode.program(bpy.context))
        command = " ".join(run.job.command)
        self.assertIn("--preset shatter --set MinPieces=150", command)
        run.finish(bpy.context)
        [result] = results()
        pieces = [o for o in result.all_objects if o.type == 'MESH']
        self.assertEqual(len(pieces), result["burstkin_pieces"])
        self.assertGreaterEqual(bpy.context.scene.frame_end, 45)  # the preset's FrameCount

    def test_two_objects_explode_together(self):
        bpy.ops.mesh.primitive_cube_add(location=(-3, 0, 0))
        cube = bpy.context.active_object
        cube.modifiers.new("Bevel", 'BEVEL')
        monkey = self.add_monkey(0, location=(3, 1, 2), rotation=(0, 0.5, 0))
        self.select_only(monkey, cube)
        self.assertEqual(bpy.ops.object.burstkin_explode(), {'FINISHED'})
        [result] = results()
        self.assertTrue(result.name.startswith("Suzanne Burstkin"))
        self.assertTrue(cube.hide_get() and monkey.hide_get())
        self.expect_rest_pose_on([monkey, cube], result)

    def test_cancel_ends_the_program_and_changes_nothing(self):
        from burstkin import explode
        self.add_monkey(2)
        before = scene_state()
        run = explode.ExplodeRun(bpy.context, bpy.context.scene.burstkin,
                                 explode.cli_job.find_program(""))
        self.assertTrue(os.path.isdir(run.folder))
        run.cancel()
        self.assertFalse(run.job.running())
        self.assertFalse(os.path.exists(run.folder))
        self.assertEqual(scene_state(), before)

    def test_failures_are_reported_and_change_nothing(self):
        self.add_monkey(0)
        preferences = bpy.context.preferences.addons["burstkin"].preferences
        path = os.environ["PATH"]
        cases = [
            ("/nowhere/burstkin-cli", path, "not found at /nowhere/burstkin-cli"),
            ("", "/nowhere", "burstkin-cli was not found on PATH"),
            ("", path, 'unknown option field "NoSuchField"'),
            ("", path, "/nowhere/look.json: could not be opened"),
        ]
        settings = bpy.context.scene.burstkin
        try:
            for cli_path, search_path, message in cases:
                preferences.cli_path, os.environ["PATH"] = cli_path, search_path
                settings.more_options = "NoSuchField=1" if "NoSuchField" in message else ""
                settings.options_file = "/nowhere/look.json" if "look.json" in message else ""
                before = scene_state()
                with self.assertRaises(RuntimeError) as failure:
                    bpy.ops.object.burstkin_explode()
                self.assertIn(message, str(failure.exception))
                self.assertNotIn("Traceback", str(failure.exception))
                self.assertEqual(scene_state(), before)
        finally:
            preferences.cli_path, os.environ["PATH"] = "", path


if __name__ == "__main__":
    outcome = unittest.TextTestRunner(verbosity=2).run(
        unittest.defaultTestLoader.loadTestsFromTestCase(AddonTest))
    sys.exit(0 if outcome.wasSuccessful() else 1)
