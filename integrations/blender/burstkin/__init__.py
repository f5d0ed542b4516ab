"""Explodes the selected mesh objects with burstkin-cli and brings the
key-framed pieces back into the scene."""

import shlex

import bpy
from bpy.props import BoolProperty, EnumProperty, FloatProperty, IntProperty, StringProperty

from . import cli_job, explode

bl_info = {
    "name": "Burstkin",
    "author": "Burstkin developers",
    "version": (1, 36, 0),
    "blender": (3, 4, 0),
    "location": "View3D > Object > Animation > Explode with Burstkin; View3D > Sidebar > Burstkin",
    "description": "Explode the selected object into key-framed pieces with burstkin-cli",
    "category": "Animation",
}


class BurstkinPreferences(bpy.types.AddonPreferences):
    bl_idname = __package__

    # Properties are written into the annotations dictionary directly, here and
    # below: Python lint takes the strings inside annotations for type names.
    __annotations__ = {"cli_path": StringProperty(
        name="burstkin-cli", subtype='FILE_PATH',
        description="The burstkin-cli program to run; empty: the one found on PATH")}

    def draw(self, context):
        self.layout.prop(self, "cli_path")


# The panel's properties and the burstkin-cli option field each one sets.
# Defaults are burstkin-cli's own; only values that differ from them are
# passed, so a preset or an options file keeps what the panel leaves alone.
FIELDS = (
    ("min_pieces", "MinPieces"),
    ("piece_shape", "PieceShape"),
    ("cells", "Cells"),
    ("explosion_distance", "ExplosionDistance"),
    ("frame_count", "FrameCount"),
    ("path_type", "PathType"),
    ("percent_rotation", "PercentRotation"),
    ("gravity", "Gravity"),
    ("ground_z", "GroundZ"),
    ("bounce_count", "BounceCount"),
    ("stagger", "Stagger"),
    ("stagger_pieces", "StaggerPieces"),
)


# Choices passed by their index rather than their name: burstkin-cli's labels
# for them are not one word.
INDEXED_CHOICES = {"piece_shape"}


def _cli_value(value, rna):
    if rna.type == 'ENUM' and rna.identifier in INDEXED_CHOICES:
        return str(rna.enum_items[value].value)
    if isinstance(value, bool):
        return "1" if value else "0"
    if isinstance(value, float):
        return f"{value:.6g}"
    return str(value).lower()


NO_PRESET = ('NONE', "None", "No preset: burstkin-cli's defaults", 0)

# Enum items by program path. Asking burstkin-cli once per path keeps drawing
# the panel from starting a process each time; Blender also needs the items'
# strings kept alive while the enum is shown.
_preset_items = {}


def _presets(self, context):
    try:
        program = explode.program(bpy.context)
    except cli_job.CliMissing:
        return [NO_PRESET]
    if program not in _preset_items:
        listed = [(name, name.capitalize(), description, i + 1)
                  for i, (name, description) in enumerate(cli_job.list_presets(program))
                  if name != NO_PRESET[0]]
        _preset_items[program] = [NO_PRESET] + listed
    return _preset_items[program]


class BurstkinSettings(bpy.types.PropertyGroup):
    __annotations__ = {
        "preset": EnumProperty(
            name="Preset", items=_presets,
            description="A named look to start from; the fields below that differ from their "
                        "defaults win over it"),
        "options_file": StringProperty(
            name="Options File", subtype='FILE_PATH',
            description="A burstkin-cli options file (JSON, as --save-options writes) to read "
                        "after the preset; the fields below that differ from their defaults win"),
        "min_pieces": IntProperty(
            name="Pieces", default=20, min=1, max=32000,
            description="Least number of pieces; 20 means a fifth of the object's faces"),
        "piece_shape": EnumProperty(
            name="Shape", default='FACES', description="What the object is cut into",
            items=(('FACES', "Runs of Faces", "Open shells of the object's own faces", 0),
                   ('SOLID', "Solid Cells", "Closed chunks with capped inner faces", 1))),
        "cells": IntProperty(
            name="Cells", default=32, min=1, max=100000,
            description="How many solid cells the object is cut into"),
        "explosion_distance": FloatProperty(
            name="Distance", default=2.5, min=0.1, max=10000.0,
            description="How far the pieces fly, in object sizes"),
        "frame_count": IntProperty(
            name="Frames", default=30, min=0, max=32000, description="Length of the explosion"),
        "path_type": EnumProperty(
            name="Path", default='LINEAR', description="How the pieces' speed changes on their way",
            items=(('LINEAR', "Linear", "Even speed"),
                   ('ACCELERATE', "Accelerate", "Slow start, fast end"),
                   ('DECELERATE', "Decelerate", "Fast start, slow end"))),
        "percent_rotation": IntProperty(
            name="Rotation", default=40, min=0, max=100, subtype='PERCENTAGE',
            description="How much the pieces turn"),
        "gravity": BoolProperty(name="Gravity", default=False,
                                description="Pieces fall to the ground and bounce"),
        "ground_z": FloatProperty(name="Ground", default=-5.0, min=-10000.0, max=-1.0,
                                  description="Height of the ground the pieces fall on"),
        "bounce_count": IntProperty(name="Bounces", default=3, min=1, max=100),
        "stagger": BoolProperty(name="Stagger", default=False,
                                description="Pieces leave one group after another"),
        "stagger_pieces": IntProperty(name="Pieces per Group", default=5, min=1, max=32767),
        "seed": IntProperty(name="Seed", default=1, min=0,
                            description="The random generator's start; the same seed repeats a run"),
        "more_options": StringProperty(
            name="More Options",
            description="Further burstkin-cli option fields as NAME=VALUE, separated by spaces "
                        "(burstkin-cli explode --help lists them); they win over the fields above"),
    }

    def cli_sources(self):
        """burstkin-cli's --preset and --options flags for the chosen preset
        and options file; they go before the --set flags, which win."""
        flags = []
        if self.preset != NO_PRESET[0]:
            flags += ["--preset", self.preset]
        if self.options_file:
            flags += ["--options", bpy.path.abspath(self.options_file)]
        return flags

    def cli_settings(self):
        """(NAME, VALUE) pairs for burstkin-cli's --set. Raises ValueError
        for a "More options" entry that is not NAME=VALUE."""
        pairs = []
        for prop, field in FIELDS:
            value = getattr(self, prop)
            rna = self.bl_rna.properties[prop]
            if value != rna.default:
                pairs.append((field, _cli_value(value, rna)))
        for item in shlex.split(self.more_options):
            name, equals, value = item.partition("=")
            if not equals or not name:
                raise ValueError(f"More options: expected NAME=VALUE, got \"{item}\"")
            pairs.append((name, value))
        return pairs


class BURSTKIN_PT_panel(bpy.types.Panel):
    bl_label = "Burstkin"
    bl_space_type = 'VIEW_3D'
    bl_region_type = 'UI'
    bl_category = "Burstkin"
    bl_context = "objectmode"

    def draw(self, context):
        settings = context.scene.burstkin
        layout = self.layout
        layout.use_property_split = True
        layout.use_property_decorate = False
        column = layout.column()
        column.prop(settings, "preset")
        column.prop(settings, "options_file")
        column.prop(settings, "piece_shape")
        solid = settings.piece_shape == 'SOLID'
        sub = column.column()
        sub.active = not solid
        sub.prop(settings, "min_pieces")
        sub = column.column()
        sub.active = solid
        sub.prop(settings, "cells")
        for prop in ("explosion_distance", "frame_count", "path_type", "percent_rotation", "gravity"):
            column.prop(settings, prop)
        sub = column.column()
        sub.active = settings.gravity
        sub.prop(settings, "ground_z")
        sub.prop(settings, "bounce_count")
        column.prop(settings, "stagger")
        sub = column.column()
        sub.active = settings.stagger
        sub.prop(settings, "stagger_pieces")
        column.prop(settings, "seed")
        column.prop(settings, "more_options")
        layout.operator(explode.BURSTKIN_OT_explode.bl_idname, icon='MOD_EXPLODE')


def _menu_entry(self, context):
    self.layout.operator(explode.BURSTKIN_OT_explode.bl_idname, icon='MOD_EXPLODE')


CLASSES = (BurstkinPreferences, BurstkinSettings, explode.BURSTKIN_OT_explode, BURSTKIN_PT_panel)


def register():
    _preset_items.clear()
    for cls in CLASSES:
        bpy.utils.register_class(cls)
    bpy.types.Scene.burstkin = bpy.props.PointerProperty(type=BurstkinSettings)
    bpy.types.VIEW3D_MT_object_animation.append(_menu_entry)


def unregister():
    bpy.types.VIEW3D_MT_object_animation.remove(_menu_entry)
    del bpy.types.Scene.burstkin
    for cls in reversed(CLASSES):
        bpy.utils.unregister_class(cls)
