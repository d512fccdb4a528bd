"""A private desktop for the screen-reader checks: an X server, a session bus, the accessibility bus with its
registry, a window manager and the calculator, each started here and every one of them ended again, whatever
happens in between. Nothing of the user's own session, settings or display is touched. Also what every check
of the program on that desktop shares: finding the program on the accessibility bus, bounded waits, and the
run of the checks with their PASS and FAIL lines.

Used as a context manager:

    with Desktop(program) as desktop:
        desktop.start_program()
        desktop.key("1", "2", "plus", "3", "Return")
"""

import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
PR_SET_PDEATHSIG = 1


class SetupError(RuntimeError):
    pass


class CheckFailed(AssertionError):
    """What a check expected did not happen."""


def end_on_termination():
    """A terminated test still ends what it started: SIGTERM and SIGHUP leave through the context managers."""
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(3))
    signal.signal(signal.SIGHUP, lambda *_: sys.exit(3))


def load_pyatspi():
    """The AT-SPI client module; imported only once the desktop's buses are there."""
    import gi

    gi.require_version("Atspi", "2.0")
    import pyatspi

    return pyatspi


def safe(read, fallback):
    """What read() returns, or fallback when the object it reads is gone already."""
    try:
        return read()
    except Exception:
        return fallback


def descendants(accessible, depth=0):
    """Every accessible below the given one, eight levels deep at most."""
    for child in safe(lambda: list(accessible), []):
        if child is None:
            continue
        yield child
        if depth < 8:
            yield from descendants(child, depth + 1)


def wait_until(what, probe, timeout):
    """Asks probe() until it returns a true value; a bounded wait, never a fixed sleep. An exception of probe()
    counts as no value, since an object may be rebuilt or gone for a moment."""
    deadline = time.monotonic() + timeout
    while True:
        value = safe(probe, None)
        if value:
            return value
        if time.monotonic() > deadline:
            raise CheckFailed(f"{what}: not within {timeout} s")
        time.sleep(0.05)


def run_checks(checks, recover=None, ended=None):
    """Runs each (title, check) in turn and prints PASS or FAIL with what went wrong. After a failure, recover()
    readies the program for the next check; without it the run stops there. ended() tells why the run cannot go
    on (the program ended), or nothing. Returns the titles that failed."""
    failures = []
    for title, check in checks:
        try:
            check()
            print(f"PASS  {title}", flush=True)
        except CheckFailed as failure:
            failures.append(title)
            print(f"FAIL  {title}\n      {failure}", flush=True)
            if recover is None:
                break
            recover()
        stopped = ended() if ended is not None else None
        if stopped:
            failures.append(stopped)
            print(f"FAIL  {stopped}", flush=True)
            break
    return failures


def _die_with_parent():
    """Runs in each child before it starts: a child of a killed harness is killed with it, and each child
    leads a process group of its own, so that ending it ends what it started."""
    os.setsid()
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


def _read_line(fd, timeout, what):
    """The first line a child writes to fd, waited for at most timeout seconds."""
    import select

    deadline = time.monotonic() + timeout
    data = b""
    while b"\n" not in data:
        left = deadline - time.monotonic()
        if left <= 0:
            raise SetupError(f"{what} did not start within {timeout} s")
        ready, _, _ = select.select([fd], [], [], left)
        if ready:
            chunk = os.read(fd, 4096)
            if not chunk:
                raise SetupError(f"{what} ended before it was ready")
            data += chunk
    return data.split(b"\n", 1)[0].decode().strip()


class _Watchdog:
    """A process of its own that outlives a harness killed outright (SIGKILL, a crash): when the harness's end
    of the pipe closes without a word, it ends every process group it was told of and removes the session's
    files. The children's own death signal would miss what they started themselves, such as the accessibility
    bus that the bus launcher runs."""

    def __init__(self, root):
        read_fd, self._fd = os.pipe()
        self._pid = os.fork()
        if self._pid == 0:  # the watchdog
            os.close(self._fd)
            os.setsid()
            for sig in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
                signal.signal(sig, signal.SIG_IGN)
            data = b""
            while True:
                chunk = os.read(read_fd, 4096)
                if not chunk:
                    break
                data += chunk
            groups = []
            for word in data.split():
                if word == b"done":
                    os._exit(0)
                pid = int(word)
                if pid > 0:
                    groups.append(pid)
                elif -pid in groups:
                    groups.remove(-pid)
            for sig in (signal.SIGTERM, signal.SIGKILL):
                for group in groups:
                    try:
                        os.killpg(group, sig)
                    except OSError:
                        pass
                time.sleep(1)
            if not os.environ.get("ORBETTA_A11Y_KEEP"):
                shutil.rmtree(root, ignore_errors=True)
            os._exit(0)
        os.close(read_fd)

    def watch(self, pid):
        os.write(self._fd, b"%d\n" % pid)

    def forget(self, pid):
        os.write(self._fd, b"-%d\n" % pid)

    def release(self):
        """The harness has ended everything itself."""
        if self._fd is None:
            return
        os.write(self._fd, b"done\n")
        os.close(self._fd)
        self._fd = None
        os.waitpid(self._pid, 0)


class Desktop:
    def __init__(self, program, width=1024, height=768, window_manager=True, log=None):
        self.program = os.path.abspath(program)
        self.size = (width, height)
        self.window_manager = window_manager
        self.log = log or sys.stderr
        self.children = []  # (name, Popen), in starting order
        self.app = None
        self.root = tempfile.mkdtemp(prefix="orbetta-a11y-")
        self.env = {}
        self._watchdog = _Watchdog(self.root)

    # ---- starting and ending ----

    def __enter__(self):
        try:
            self._start_session()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _spawn(self, name, argv, env=None, pass_fds=(), stdout=None, stderr=None):
        logfile = open(os.path.join(self.root, name + ".log"), "wb")
        process = subprocess.Popen(
            argv,
            env=env if env is not None else self.env,
            stdin=subprocess.DEVNULL,
            stdout=stdout if stdout is not None else logfile,
            stderr=stderr if stderr is not None else logfile,
            pass_fds=pass_fds,
            preexec_fn=_die_with_parent,
        )
        logfile.close()
        self.children.append((name, process))
        self._watchdog.watch(process.pid)
        return process

    def _start_session(self):
        runtime = os.path.join(self.root, "runtime")
        home = os.path.join(self.root, "home")
        config = os.path.join(self.root, "config")
        for d in (runtime, home, config):
            os.makedirs(d, mode=0o700)
        passed = ("PATH", "LANG", "LC_ALL", "LC_MESSAGES", "LANGUAGE", "USER", "LOGNAME")
        base = {k: v for k, v in os.environ.items() if k in passed}
        base.update(
            HOME=home,
            XDG_CONFIG_HOME=config,
            XDG_RUNTIME_DIR=runtime,
            XDG_DATA_HOME=os.path.join(home, ".local", "share"),
            XDG_CACHE_HOME=os.path.join(home, ".cache"),
            LANG=os.environ.get("LANG", "C.UTF-8") or "C.UTF-8",
        )
        # The checks read numbers written with a point: the locale they run in keeps its language, not its
        # decimal sign.
        if base.get("LC_ALL"):
            base["LANG"] = base.pop("LC_ALL")
        base["LC_NUMERIC"] = "C.UTF-8"

        # The X server picks a free display and tells its number.
        read_fd, write_fd = os.pipe()
        self._spawn(
            "Xvfb",
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "%dx%dx24" % self.size, "-nolisten", "tcp",
             "-noreset"],
            env=base,
            pass_fds=(write_fd,),
        )
        os.close(write_fd)
        try:
            display = _read_line(read_fd, 30, "Xvfb")
        finally:
            os.close(read_fd)
        base["DISPLAY"] = ":" + display

        # A session bus of our own, on a socket in our own directory.
        read_fd, write_fd = os.pipe()
        self._spawn(
            "dbus-daemon",
            ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=%d" % write_fd,
             "--address=unix:path=" + os.path.join(runtime, "bus")],
            env=base,
            pass_fds=(write_fd,),
        )
        os.close(write_fd)
        try:
            base["DBUS_SESSION_BUS_ADDRESS"] = _read_line(read_fd, 30, "dbus-daemon")
        finally:
            os.close(read_fd)
        self.env = base

        # The accessibility bus; its registry is activated on that bus when first asked for.
        self._spawn("at-spi-bus-launcher", [BUS_LAUNCHER, "--launch-immediately"])
        # Asked too early, the session bus would start a second launcher of its own.
        self.poll("the accessibility bus launcher", 30, self._launcher_owns_name)
        self.a11y_address = self.poll("the accessibility bus", 30, self._a11y_bus_address)
        self.poll("the accessibility registry", 30, self._registry_ready)

        if self.window_manager == "weston":
            self._start_weston()
        elif self.window_manager == "xfwm4":
            self._spawn("xfwm4", ["xfwm4", "--compositor=off", "--sm-client-disable"])
            self.poll("the window manager", 30, self._window_manager_ready)
        elif self.window_manager:
            self._spawn("openbox", ["openbox", "--sm-disable"])
            self.poll("the window manager", 30, self._window_manager_ready)

        # The client in this process (pyatspi) finds the same buses.
        for key in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR", "HOME", "XDG_CONFIG_HOME"):
            os.environ[key] = self.env[key]
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)

    def _start_weston(self):
        """weston on the X server, with its XWayland server and window manager: from here on DISPLAY is
        XWayland's, where the program and the tools meet weston's window manager."""
        self._spawn("weston", ["weston", "--no-config", "--backend=x11-backend.so", "--socket=wayland-orbetta",
                               "--width=%d" % self.size[0], "--height=%d" % self.size[1], "--idle-time=0",
                               "--xwayland"])
        log = os.path.join(self.root, "weston.log")

        def xwayland_display():
            with open(log, errors="replace") as f:
                found = re.search(r"xserver listening on display (:\d+)", f.read())
            return found.group(1) if found else None

        self.env["DISPLAY"] = self.poll("weston's XWayland server", 30, xwayland_display)
        self.env["WAYLAND_DISPLAY"] = "wayland-orbetta"
        # XWayland starts at the first X client, and weston's window manager with it.
        self.poll("weston's window manager", 30, self._window_manager_ready)

    def poll(self, what, timeout, probe):
        """Asks probe() until it returns a true value; a bounded wait for a service to come up."""
        deadline = time.monotonic() + timeout
        while True:
            for name, process in self.children:
                if process.poll() is not None:
                    raise SetupError(f"{name} ended with {process.returncode} while waiting for {what}\n"
                                     + self.child_log(name))
            value = probe()
            if value:
                return value
            if time.monotonic() > deadline:
                raise SetupError(f"{what} did not come up within {timeout} s")
            time.sleep(0.1)

    def run(self, *argv):
        """What a tool run on the desktop writes, or "" when it fails."""
        return self._run(list(argv), timeout=20) or ""

    def _run(self, argv, timeout=10):
        try:
            done = subprocess.run(argv, env=self.env, capture_output=True, timeout=timeout)
        except subprocess.TimeoutExpired:
            return None
        return done.stdout.decode() if done.returncode == 0 else None

    def _launcher_owns_name(self):
        out = self._run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.freedesktop.DBus",
                         "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"])
        return out is not None and "true" in out

    def _a11y_bus_address(self):
        out = self._run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
                         "/org/a11y/bus", "org.a11y.Bus.GetAddress"])
        return out.strip() if out and out.strip() else None

    def _registry_ready(self):
        out = self._run(["dbus-send", "--bus=" + self.a11y_address, "--print-reply", "--dest=org.a11y.atspi.Registry",
                         "/org/a11y/atspi/accessible/root", "org.freedesktop.DBus.Properties.Get",
                         "string:org.a11y.atspi.Accessible", "string:ChildCount"])
        return out is not None

    def _window_manager_ready(self):
        out = self._run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"])
        return out is not None and "window id" in out

    def start_program(self, extra_env=None):
        env = dict(self.env)
        env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1")
        env.pop("QT_QPA_PLATFORMTHEME", None)
        if extra_env:
            env.update(extra_env)
        self.app = self._spawn("orbetta", [self.program], env=env)
        return self.app

    def application(self, pyatspi):
        """The program on the accessibility bus, or None while it is not there."""
        pid = self.app.pid if self.app is not None else None
        for app in safe(lambda: list(pyatspi.Registry.getDesktop(0)), []):
            if app is not None and safe(lambda a=app: a.get_process_id(), None) == pid:
                return app
        return None

    def stop_program(self):
        if self.app is not None:
            self.stop(self.app)
        self.app = None

    def stop(self, process):
        """Ends one child of the session now."""
        self._end([process])
        self._watchdog.forget(process.pid)
        self.children = [(n, p) for n, p in self.children if p is not process]

    def spawn(self, name, argv, env=None):
        """Starts a further process of the session (a screen reader, say); it is ended with the others."""
        full = dict(self.env)
        if env:
            full.update(env)
        return self._spawn(name, argv, env=full)

    @staticmethod
    def _end(processes):
        """Ends the processes in the order given: politely, then firmly, within five seconds in all."""
        for process in processes:
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        deadline = time.monotonic() + 5
        for process in processes:
            try:
                process.wait(timeout=max(0.1, deadline - time.monotonic()))
            except subprocess.TimeoutExpired:
                pass
            # What the child started (the bus launcher's own bus, the registry) goes with its group.
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except (ProcessLookupError, PermissionError):
                pass
            process.wait()

    def close(self):
        """Ends every child, the most recent first."""
        self._end([process for _, process in reversed(self.children)])
        self.children = []
        self._watchdog.release()
        if os.environ.get("ORBETTA_A11Y_KEEP"):
            print("desktop files kept in", self.root, file=self.log)
        else:
            shutil.rmtree(self.root, ignore_errors=True)

    def child_log(self, name):
        try:
            with open(os.path.join(self.root, name + ".log"), "rb") as f:
                return f.read().decode(errors="replace")
        except OSError:
            return ""

    # ---- input ----

    def key(self, *keys):
        """Real key presses into the X server, to the window that has the keyboard focus."""
        subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], env=self.env, check=True, timeout=20)

    def type_text(self, text):
        subprocess.run(["xdotool", "type", "--delay", "30", text], env=self.env, check=True, timeout=20)
