"""Run by scripts/blender-pictures.sh inside Blender (with a window, under
Xvfb): explodes a monkey head through the add-on's panel operator as a user
would (the modal run, with its progress), saves a screenshot of the window
with the panel, and renders one frame of the explosion with Workbench.
  blender --factory-startup FILE.blend --python blender_pictures.py -- ZIP PANEL.png FRAME.png"""

import math
import sys

import bpy
from mathutils import Vector

ZIP, PANEL_PNG, FRAME_PNG = sys.argv[sys.argv.index("--") + 1:][:3]
FRAME = 6


def build_scene():
    bpy.ops.preferences.addon_install(filepath=ZIP, overwrite=True)
    bpy.ops.preferences.addon_enable(module="burstkin")
    scene = bpy.context.scene
    bpy.data.objects.remove(bpy.data.objects["Cube"])
    bpy.ops.mesh.primitive_monkey_add(location=(0, 0, 1), rotation=(0, 0, math.radians(-25)))
    monkey = bpy.context.active_object
    monkey.modifiers.new("Subdivision", 'SUBSURF').levels = 1
    bpy.ops.object.shade_smooth()
    paint = bpy.data.materials.new("Paint")
    paint.diffuse_color = (0.85, 0.35, 0.1, 1)
    paint.use_nodes = True
    paint.node_tree.nodes["Principled BSDF"].inputs["Base Color"].default_value = paint.diffuse_color
    monkey.data.materials.append(paint)
    bpy.ops.mesh.primitive_plane_add(size=30, location=(0, 0, -1.5))
    bpy.context.active_object.select_set(False)
    monkey.select_set(True)
    bpy.context.view_layer.objects.active = monkey
    camera = scene.camera
    camera.location = (7.0, -9.0, 4.5)
    camera.rotation_euler = (Vector((0, 0, 0.8)) - camera.location).to_track_quat('-Z', 'Y').to_euler()
    scene.burstkin.seed = 7
    scene.burstkin.min_pieces = 150


def show_burstkin_tab(area):
    # Blender 3.4 has no call that picks a sidebar tab; with the built-in
    # tabs taken out, the sidebar opens on Burstkin's.
    for panel in list(bpy.types.Panel.__subclasses__()):
        if (getattr(panel, "bl_space_type", "") == 'VIEW_3D'
                and getattr(panel, "bl_region_type", "") == 'UI'
                and getattr(panel, "bl_category", "") in ("Item", "Tool", "View")
                and panel.is_registered):
            bpy.utils.unregister_class(panel)
    area.spaces[0].show_region_ui = True


def render_frame(scene):
    scene.frame_set(FRAME)
    scene.render.engine = 'BLENDER_WORKBENCH'
    scene.display.shading.light = 'STUDIO'
    scene.display.shading.color_type = 'MATERIAL'
    scene.display.shading.show_shadows = True
    scene.render.resolution_x, scene.render.resolution_y = 720, 405
    scene.render.image_settings.compression = 100
    scene.render.resolution_percentage = 100
    scene.render.filepath = FRAME_PNG
    bpy.ops.render.render(write_still=True)


class Steps:
    def __init__(self):
        self.window = bpy.context.window
        self.area = next(a for a in self.window.screen.areas if a.type == 'VIEW_3D')
        self.region = next(r for r in self.area.regions if r.type == 'WINDOW')
        self.step = self.start

    def __call__(self):
        return self.step()

    def start(self):
        build_scene()
        show_burstkin_tab(self.area)
        with bpy.context.temp_override(window=self.window, area=self.area, region=self.region):
            bpy.ops.object.burstkin_explode('INVOKE_DEFAULT')
        self.step = self.follow
        return 0.05

    def follow(self):
        from burstkin.explode import BURSTKIN_OT_explode
        if BURSTKIN_OT_explode._running is not None:
            return 0.1
        scene = bpy.context.scene
        scene.frame_set(FRAME)
        # Without an active object the sidebar's Item tab (drawn by Blender's
        # own code, not removable above) is gone too.
        bpy.context.view_layer.objects.active = None
        self.step = self.capture
        return 0.5

    def capture(self):
        with bpy.context.temp_override(window=self.window):
            bpy.ops.screen.screenshot(filepath=PANEL_PNG)
        render_frame(bpy.context.scene)
        bpy.ops.wm.quit_blender()


bpy.app.timers.register(Steps(), first_interval=1.0)
