"""The add-on's modal run in Blender with a window (under Xvfb): started as
the menu starts it, it ends by itself, a second run replaces the first, and
Undo brings the first back, then the scene before it.
  blender --factory-startup --python modal_test.py -- ADDON.zip"""

import os
import sys
import traceback

import bpy

ZIP = sys.argv[sys.argv.index("--") + 1]


def results():
    return sorted(c.name for c in bpy.data.collections if "burstkin_source" in c)


def visible():
    return sorted(o.name for o in bpy.context.scene.objects
                  if not o.hide_get() and o.type == 'MESH' and not o.name.startswith("Bk,"))


class Checks:
    """Each step runs when the operator of the step before has ended."""

    def __init__(self):
        from burstkin.explode import BURSTKIN_OT_explode
        self.operator = BURSTKIN_OT_explode
        self.window = bpy.context.window
        self.area = next(a for a in self.window.screen.areas if a.type == 'VIEW_3D')
        self.region = next(r for r in self.area.regions if r.type == 'WINDOW')
        self.steps = [self.first_run, self.second_run, self.undo, self.undo_again, self.done]

    def __call__(self):
        try:
            if self.operator._running is not None:
                return 0.1
            with bpy.context.temp_override(window=self.window, area=self.area,
                                           region=self.region):
                self.steps.pop(0)()
            return 0.3
        except Exception:
            traceback.print_exc()
            os._exit(1)

    def expect(self, what, got, wanted):
        if got != wanted:
            raise AssertionError(f"{what}: {got!r}, expected {wanted!r}")

    def first_run(self):
        self.expect("visible meshes", visible(), ["Cube"])
        self.expect("invoke", bpy.ops.object.burstkin_explode('INVOKE_DEFAULT'), {'RUNNING_MODAL'})

    def second_run(self):
        self.expect("results", results(), ["Cube Burstkin seed 1"])
        self.expect("visible meshes", visible(), [])
        bpy.context.scene.burstkin.seed = 2
        self.expect("invoke", bpy.ops.object.burstkin_explode('INVOKE_DEFAULT'), {'RUNNING_MODAL'})

    def undo(self):
        self.expect("results", results(), ["Cube Burstkin seed 2"])
        bpy.ops.ed.undo()

    def undo_again(self):
        self.expect("results after undo", results(), ["Cube Burstkin seed 1"])
        bpy.ops.ed.undo()

    def done(self):
        self.expect("results after two undos", results(), [])
        self.expect("visible meshes", visible(), ["Cube"])
        print("modal run: OK")
        bpy.ops.wm.quit_blender()


bpy.ops.preferences.addon_install(filepath=ZIP, overwrite=True)
bpy.ops.preferences.addon_enable(module="burstkin")
bpy.app.timers.register(Checks(), first_interval=1.0)
