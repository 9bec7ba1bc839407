"""A private desktop for driving the real program through its accessibility tree.

The session owns an X server (Xvfb), a session bus and the accessibility bus.
Every process it starts leads a process group of its own and carries a token
in its environment. Stopping the session ends those groups, then any process
still carrying the token (the registry daemon, which the accessibility bus
starts on demand), so nothing outlives a run, also when the run fails.
"""

import ctypes
import os
import select
import shutil
import signal
import subprocess
import tempfile
import time
import uuid

TOKEN_VARIABLE = "ZELQUIZ_A11Y_SESSION"
# Passed on so that sanitizer and logging builds behave as they would anyway.
PASSED_THROUGH = ("LD_LIBRARY_PATH", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS", "QT_LOGGING_RULES")
_PR_SET_CHILD_SUBREAPER = 36


class SessionError(AssertionError):
    """A server or the program did not come up, or a wait ran out."""


def wait_until(probe, what, timeout):
    """Polls probe() every 100 ms until it returns something truthy. The
    accessibility tree changes while it is read, so probe may raise; the
    last error or value is quoted when time runs out."""
    end = time.monotonic() + timeout
    while True:
        try:
            last = probe()
            if last:
                return last
        except SessionError:
            raise  # the program or a server is gone: no use waiting on
        except Exception as error:  # noqa: BLE001
            last = error
        if time.monotonic() >= end:
            raise SessionError(f"timed out after {timeout} s waiting for {what}; last seen: {last!r}")
        time.sleep(0.1)


class DesktopSession:
    def __init__(self):
        # Helpers orphaned when their parent is stopped become our children,
        # so they are reaped here instead of lingering as zombies.
        ctypes.CDLL(None).prctl(_PR_SET_CHILD_SUBREAPER, 1)
        self.token = uuid.uuid4().hex
        self.root = tempfile.mkdtemp(prefix="zelquiz-a11y-")
        self.runtime_dir = os.path.join(self.root, "run")
        os.mkdir(self.runtime_dir, 0o700)
        self.processes = []
        self.display = self.bus_address = None

    def environment(self, **extra):
        """The private display and buses, and a home of its own so that no
        settings of the person running the tests are read or written."""
        env = {name: os.environ[name] for name in PASSED_THROUGH if name in os.environ}
        env.update(PATH=os.environ.get("PATH", "/usr/bin:/bin"), LANG="C.UTF-8", HOME=self.root,
                   XDG_CONFIG_HOME=os.path.join(self.root, ".config"), XDG_RUNTIME_DIR=self.runtime_dir,
                   # Keeps the bus launcher from starting a settings daemon.
                   GSETTINGS_BACKEND="memory", **{TOKEN_VARIABLE: self.token})
        if self.display:
            env.update(DISPLAY=self.display, DBUS_SESSION_BUS_ADDRESS=self.bus_address)
        env.update(extra)
        return env

    def spawn(self, argv, env=None, **kwargs):
        process = subprocess.Popen(argv, env=env or self.environment(), cwd=self.root,
                                   stdin=subprocess.DEVNULL, start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def _first_line(self, argv, what, timeout=15):
        """Starts a server that writes one line on standard output once it
        is ready, and returns that line."""
        process = self.spawn(argv, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        data, end = b"", time.monotonic() + timeout
        while not data.endswith(b"\n"):
            if process.poll() is not None or time.monotonic() >= end:
                raise SessionError(f"{what} did not get ready (status {process.poll()})")
            if select.select([process.stdout], [], [], 0.1)[0]:
                data += os.read(process.stdout.fileno(), 256) or b"\n"
        return data.decode().strip()

    def start(self):
        bus_address = f"unix:path={self.runtime_dir}/bus"
        # Without -noreset the server resets when its last client leaves
        # (the bus launcher connects briefly), refusing the program if it
        # connects just then.
        display = ":" + self._first_line(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24",
                                          "-nolisten", "tcp", "-noreset"], "Xvfb")
        self.bus_address = self._first_line(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                             f"--address={bus_address}", "--print-address=1"],
                                            "the session bus")
        self.display = display
        # Started here rather than on demand by the session bus, so that it
        # is one of the process groups stopped at the end.
        self.spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        from gi.repository import Gio, GLib
        bus = Gio.DBusConnection.new_for_address_sync(
            self.bus_address,
            Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
            None, None)
        a11y_address = wait_until(
            lambda: bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                                  GLib.VariantType.new("(s)"), Gio.DBusCallFlags.NO_AUTO_START,
                                  1000, None).unpack()[0],
            "the accessibility bus", 15)
        bus.close_sync(None)
        # The accessibility client of this process connects on import, so
        # it must see the private buses before pyatspi is first imported.
        os.environ.update(DISPLAY=self.display, DBUS_SESSION_BUS_ADDRESS=self.bus_address,
                          AT_SPI_BUS_ADDRESS=a11y_address)

    @staticmethod
    def stop_process(process):
        """Ends a process's whole group: TERM, and KILL after 3 s. The
        rest of the group gets KILL once its leader is gone."""
        for sig in (signal.SIGTERM, signal.SIGKILL):
            try:
                os.killpg(process.pid, sig)
                process.wait(3)
            except (ProcessLookupError, subprocess.TimeoutExpired):
                continue

    def _carrying_token(self):
        marker = f"{TOKEN_VARIABLE}={self.token}".encode()
        found = []
        for pid in (int(e) for e in os.listdir("/proc") if e.isdigit() and int(e) != os.getpid()):
            try:
                with open(f"/proc/{pid}/environ", "rb") as f:
                    if marker in f.read().split(b"\0"):
                        found.append(pid)
            except OSError:
                continue
        return found

    def stop(self):
        """Stops everything the session started, newest first. Returns the
        ids of helpers that had left the process groups, for the log."""
        for process in reversed(self.processes):
            self.stop_process(process)
            if process.stdout:
                process.stdout.close()
        stray = self._carrying_token()
        for pid in stray:
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        end = time.monotonic() + 3
        while time.monotonic() < end:
            try:
                if os.waitpid(-1, os.WNOHANG) == (0, 0):
                    time.sleep(0.05)
            except ChildProcessError:
                break
        shutil.rmtree(self.root, ignore_errors=True)
        return stray
