"""Runs burstkin-cli as a child process and follows its progress lines."""

import os
import shutil
import subprocess
import threading

PROGRAM = "burstkin-cli"


class CliMissing(Exception):
    pass


def find_program(configured_path):
    """The burstkin-cli to run: the preference when set, else the one on PATH."""
    if configured_path:
        if os.path.isfile(configured_path) and os.access(configured_path, os.X_OK):
            return configured_path
        raise CliMissing(
            f"{PROGRAM} was not found at {configured_path} (the path set in the "
            "Burstkin add-on's preferences)")
    found = shutil.which(PROGRAM)
    if found is None:
        raise CliMissing(
            f"{PROGRAM} was not found on PATH: install Burstkin or set the program's "
            "path in the Burstkin add-on's preferences")
    return found


class CliJob:
    """One burstkin-cli run. Its standard error is read on a thread of its own
    so that neither a modal operator's timer nor a full pipe stalls the other."""

    def __init__(self, command):
        self.stage = "Starting"
        self.percent = 0
        self.command = command
        self._messages = []
        self._process = subprocess.Popen(
            command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.PIPE, text=True, errors="replace")
        self._reader = threading.Thread(target=self._read_errors, daemon=True)
        self._reader.start()

    def _read_errors(self):
        for line in self._process.stderr:
            parts = line.rstrip("\n").split(" ", 2)
            if len(parts) >= 2 and parts[0] == "progress" and parts[1].isdigit():
                # "Ready" comes between stages and before the glTF is written,
                # which has no progress of its own: the last stage stays shown.
                if parts[2:] != ["Ready"]:
                    self.percent = int(parts[1])
                    self.stage = parts[2] if len(parts) == 3 else ""
            elif line.strip():
                self._messages.append(line.strip().removeprefix(PROGRAM + ": "))

    def running(self):
        return self._process.poll() is None

    def wait(self):
        """Waits for the end; returns None on success, else the error text."""
        status = self._process.wait()
        self._reader.join()
        if status == 0:
            return None
        if self._messages:
            return "\n".join(self._messages)
        return f"{PROGRAM} failed (exit status {status})"

    def cancel(self):
        # The output goes with the temporary folder, so the process need not
        # end its files properly: SIGTERM ends it at once, even while it writes
        # the glTF, which a SIGINT would let it finish first.
        self._process.terminate()
        try:
            self._process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self._process.kill()
            self._process.wait()
        self._reader.join()


def list_presets(program):
    """(name, description) of each preset `burstkin-cli presets` lists; none
    when it cannot be run. Unreadable presets are left out: they would only fail."""
    try:
        listing = subprocess.run([program, "presets"], stdin=subprocess.DEVNULL, capture_output=True,
                                 text=True, errors="replace", timeout=10, check=True).stdout
    except (OSError, subprocess.SubprocessError):
        return []
    presets = []
    # Every line but the closing note about the user's preset folder names one.
    for line in listing.splitlines()[:-1]:
        name, _, description = line.partition(" ")
        description = description.strip().removeprefix("(yours) ")
        if name and not description.startswith("(cannot be used)"):
            presets.append((name, description))
    return presets
