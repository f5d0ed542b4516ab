"""The explode operator: export, run burstkin-cli, import the pieces."""

import os
import shutil
import tempfile

import bpy

from . import cli_job, scene_io


class ExplodeRun:
    """One explosion from start to end. The operator drives it either at once
    (execute) or from a timer (modal); a test can drive it step by step."""

    def __init__(self, context, settings, program):
        self.sources = scene_io.source_objects(context)
        if not self.sources:
            raise ValueError("Select a mesh object to explode")
        self.source_names = [obj.name for obj in self.sources]
        self.seed = settings.seed
        self.folder = tempfile.mkdtemp(prefix="burstkin-")
        try:
            paths = [os.path.join(self.folder, name) for name in ("in.glb", "out.cob", "out.glb")]
            self.input, self.cob, self.glb = paths
            scene_io.export_glb(context, self.sources, self.input)
            # The importer turns seconds into frames with render.fps (not
            # fps_base), so this rate puts explosion frame k on scene frame k.
            command = [program, "explode", self.input, self.cob, "--gltf", self.glb,
                       "--seed", str(self.seed), "--fps", str(context.scene.render.fps),
                       "--progress-lines"] + settings.cli_sources()
            for name, value in settings.cli_settings():
                command += ["--set", f"{name}={value}"]
            self.job = cli_job.CliJob(command)
        except BaseException:
            self.remove_files()
            raise

    def status_text(self):
        return f"Burstkin: {self.job.stage} {self.job.percent}%  (Esc cancels)"

    def cancel(self):
        self.job.cancel()
        self.remove_files()

    def finish(self, context):
        """Waits for burstkin-cli and puts its pieces into the scene; returns
        a message for the user. Raises RuntimeError with burstkin-cli's
        message when it failed."""
        try:
            error = self.job.wait()
            if error is not None:
                raise RuntimeError(error)
            return self._bring_in(context)
        finally:
            self.remove_files()

    def _bring_in(self, context):
        sources = [bpy.data.objects[n] for n in self.source_names if n in bpy.data.objects]
        key = "\n".join(self.source_names)
        earlier = [c for c in bpy.data.collections if c.get(scene_io.SOURCE_KEY) == key]
        name = f"{self.source_names[0]} Burstkin seed {self.seed}"
        collection = bpy.data.collections.new(name)
        context.scene.collection.children.link(collection)
        try:
            imported = scene_io.import_glb(context, self.glb, collection)
        except BaseException:
            scene_io.remove_result(collection)
            raise
        # Replaced only now, so a failed import leaves the earlier result.
        for old in earlier:
            scene_io.remove_result(old)
        collection.name = name
        collection[scene_io.SOURCE_KEY] = key
        collection[scene_io.SEED_KEY] = self.seed
        collection[scene_io.PIECES_KEY] = scene_io.count_pieces(self.cob)
        frames = scene_io.frame_range(imported)
        if frames is not None:
            context.scene.frame_start, context.scene.frame_end = frames
        for obj in sources:
            obj.hide_set(True)
            obj.hide_render = True
        return f"{collection[scene_io.PIECES_KEY]} pieces in \"{collection.name}\""

    def remove_files(self):
        shutil.rmtree(self.folder, ignore_errors=True)


def program(context):
    preferences = context.preferences.addons[__package__].preferences
    return cli_job.find_program(bpy.path.abspath(preferences.cli_path))


class BURSTKIN_OT_explode(bpy.types.Operator):
    """Explode the selected mesh objects into key-framed pieces with burstkin-cli"""
    bl_idname = "object.burstkin_explode"
    bl_label = "Explode with Burstkin"
    bl_options = {'REGISTER', 'UNDO'}

    _running = None  # the run a modal operator follows; one at a time

    @classmethod
    def poll(cls, context):
        return (context.mode == 'OBJECT' and BURSTKIN_OT_explode._running is None
                and bool(scene_io.source_objects(context)))

    def _start(self, context):
        try:
            return ExplodeRun(context, context.scene.burstkin, program(context))
        except (cli_job.CliMissing, ValueError, OSError, RuntimeError) as error:
            self.report({'ERROR'}, str(error))
            return None

    def _finish(self, context, run):
        try:
            self.report({'INFO'}, run.finish(context))
            return {'FINISHED'}
        except (RuntimeError, OSError) as error:
            self.report({'ERROR'}, str(error))
            return {'CANCELLED'}

    def execute(self, context):
        run = self._start(context)
        return {'CANCELLED'} if run is None else self._finish(context, run)

    def invoke(self, context, event):
        run = self._start(context)
        if run is None:
            return {'CANCELLED'}
        BURSTKIN_OT_explode._running = run
        wm = context.window_manager
        self._timer = wm.event_timer_add(0.1, window=context.window)
        wm.modal_handler_add(self)
        wm.progress_begin(0, 100)
        return {'RUNNING_MODAL'}

    def modal(self, context, event):
        run = BURSTKIN_OT_explode._running
        if event.type == 'ESC' and event.value == 'PRESS':
            self._end_modal(context)
            run.cancel()
            self.report({'INFO'}, "Burstkin: cancelled")
            return {'CANCELLED'}
        if event.type != 'TIMER':
            return {'PASS_THROUGH'}
        if run.job.running():
            context.workspace.status_text_set(run.status_text())
            context.window_manager.progress_update(run.job.percent)
            return {'RUNNING_MODAL'}
        self._end_modal(context)
        return self._finish(context, run)

    def _end_modal(self, context):
        BURSTKIN_OT_explode._running = None
        wm = context.window_manager
        wm.event_timer_remove(self._timer)
        wm.progress_end()
        context.workspace.status_text_set(None)
