#!/usr/bin/env python3
"""Kills the real program at every file-system step of a bank download, in
turn, and checks that its next start finds the three bank files all old or
all new, with nothing of the download left beside them. Then holds the
download inside each of its renames while a second copy starts on the same
folder, and checks that the folder ends all old or all new and that the
download's report says which."""
import functools, http.server, os, shutil, signal, subprocess, sys, tempfile, threading, time

BANK = ["A.zel", "AD.zel", "DV.ZEL"]
LEFTOVERS = [n + ".new" for n in BANK] + ["bank-update.journal", "bank-update.journal.new",
                                          "bank-update.lock"]
RENAMES = "rename,renameat,renameat2"
SYSCALLS = ["rename", "renameat", "renameat2", "linkat", "unlink", "unlinkat", "fsync", "fdatasync"]
DONE = "Downloading Files...\nDownload Complete.\n\nPlease restart ZEL Quiz to finish upgrade.\n"


def run(args, env):
    # A session of its own, so that a hung run is ended with all it started.
    p = subprocess.Popen(args, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                         start_new_session=True, text=True)
    try:
        out, _ = p.communicate(timeout=60)
    except subprocess.TimeoutExpired:
        os.killpg(p.pid, signal.SIGKILL)
        p.communicate()
        sys.exit("did not end within 60 s: " + " ".join(args))
    return p.returncode, out


def race(prog, update, traced, env, bank, old, new, tmp):
    """A second copy starts while the download is held inside its n-th
    rename; one copy at a time may write or recover the folder."""
    def reset():
        for name in BANK:
            open(os.path.join(prog, name), "wb").write(old[name])

    reset()
    trace = os.path.join(tmp, "renames")
    status, _ = run(["strace", "-f", "-o", trace, "-e", "trace=" + RENAMES] + update, traced)
    renames = sum(1 for line in open(trace) if "rename" in line and "resumed>" not in line)
    assert status == 0 and renames >= 4, (status, renames)
    for n in range(1, renames + 1):
        reset()
        first = subprocess.Popen(["strace", "-f", "-o", "/dev/null", "-e",
                                  "inject=%s:delay_enter=3000000:when=%d" % (RENAMES, n)] + update,
                                 env=traced, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                 start_new_session=True, text=True)
        # The temporaries are written before the first rename.
        deadline = time.monotonic() + 30
        while not os.path.exists(os.path.join(prog, "A.zel.new")) and time.monotonic() < deadline:
            time.sleep(0.01)
        time.sleep(0.5)
        second, _ = run([os.path.join(prog, "zelquiz"), "--startuptime", os.path.join(tmp, "t")], env)
        try:
            out, _ = first.communicate(timeout=60)
        except subprocess.TimeoutExpired:
            os.killpg(first.pid, signal.SIGKILL)
            sys.exit("the held download did not end within 60 s")
        after = bank()
        assert second == 0, (n, second)
        assert after in (old, new), (n, [after[f] == new[f] for f in BANK])
        if first.returncode == 0:
            assert out == DONE and after == new, (n, out)
        else:
            assert out.endswith("\n\nThe question bank was not changed.\n") and after == old, (n, out)
        assert not [f for f in LEFTOVERS if os.path.exists(os.path.join(prog, f))], n
        print("rename #%d held, a second copy started: %s" % (n, "new" if after == new else "old"))


def main(exe):
    if not shutil.which("strace"):
        sys.exit("strace is not installed (scripts/install-deps.sh)")
    if subprocess.run(["strace", "-o", "/dev/null", "true"], stderr=subprocess.PIPE).returncode:
        sys.exit("strace cannot trace here (is ptrace forbidden?)")
    bundled = os.path.dirname(os.path.abspath(exe))
    tmp = tempfile.mkdtemp()
    server = None
    try:
        prog, srv, cfg = (os.path.join(tmp, d) for d in ("prog", "srv/zel", "cfg/ZELQuiz"))
        for d in (prog, srv, cfg):
            os.makedirs(d)
        # The program is copied (it finds its folder through its own path);
        # its modules and sounds are linked.
        shutil.copy(exe, prog)
        for name in os.listdir(bundled):
            if name not in BANK and not os.path.exists(os.path.join(prog, name)):
                os.symlink(os.path.join(bundled, name), os.path.join(prog, name))
        old = {n: open(os.path.join(bundled, n), "rb").read() for n in BANK}
        # Each file of the new bank differs from the old one, so that a mix
        # of the two shows; both banks load.
        served = {"A.zel": old["A.zel"].replace(b"\r\n", b" (new)\r\n", 1),
                  "AD.zel": b"\r\n".join(b"4|" + l[2:] if l.startswith(b"3|") else l
                                         for l in old["AD.zel"].split(b"\r\n")),
                  "DV.ZEL": b"9.9"}
        assert all(served[n] != old[n] for n in BANK[:2])
        new = {n: served[n] + b"\r\n" for n in BANK}
        for n in BANK:
            open(os.path.join(srv, n), "wb").write(served[n])

        class Quiet(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                pass

        handler = functools.partial(Quiet, directory=os.path.dirname(srv))
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        with open(os.path.join(cfg, "ZELQuiz.conf"), "w") as f:
            f.write("[update]\nbaseurl=http://127.0.0.1:%d/\n" % server.server_port)
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.dirname(cfg), QT_QPA_PLATFORM="offscreen",
                   XDG_DATA_HOME=os.path.join(tmp, "data"))
        # The leak checker traces the process itself and cannot under strace.
        traced = dict(env, ASAN_OPTIONS=env.get("ASAN_OPTIONS", "") + ":detect_leaks=0")
        update = [os.path.join(prog, "zelquiz"), "--update-bank"]

        def bank():
            return {n: open(os.path.join(prog, n), "rb").read() for n in BANK}

        seen, started = set(), time.monotonic()
        for syscall in SYSCALLS:
            for n in range(1, 100):
                for name in BANK:
                    open(os.path.join(prog, name), "wb").write(old[name])
                status, out = run(["strace", "-f", "-o", "/dev/null", "-e",
                                   "inject=%s:signal=KILL:when=%d" % (syscall, n)] + update, traced)
                if status == 0:
                    assert out == DONE and bank() == new, (syscall, n, out)
                    break
                assert status in (-signal.SIGKILL, 128 + signal.SIGKILL), (syscall, n, status, out)
                if "pending" not in seen and os.path.exists(os.path.join(prog, LEFTOVERS[3])):
                    seen.add("pending")
                    _, out = run([exe, "--check-bank", prog], env)
                    assert ": an interrupted download is pending; the program" in out, out
                status, _ = run([os.path.join(prog, "zelquiz"), "--startuptime", os.path.join(tmp, "t")], env)
                after = bank()
                assert status == 0 and after in (old, new), (syscall, n, status)
                assert not [f for f in LEFTOVERS if os.path.exists(os.path.join(prog, f))], (syscall, n)
                seen.add("old" if after == old else "new")
                print("%s #%d: killed, the next start found the %s files" % (syscall, n, "old" if after == old else "new"))
            else:
                sys.exit(syscall + ": the download never completed")
        assert seen == {"old", "new", "pending"}, seen
        race(prog, update, traced, env, bank, old, new, tmp)

        # A failed download says so, with exit status 1, and changes nothing.
        with open(os.path.join(cfg, "ZELQuiz.conf"), "a") as f:
            f.write("[update]\nbaseurl=http://127.0.0.1:%d/missing/\n" % server.server_port)
        for name in BANK:
            open(os.path.join(prog, name), "wb").write(old[name])
        status, out = run(update, env)
        assert status == 1 and out.endswith("\n\nThe question bank was not changed.\n") and bank() == old, out
        print("passed in %.1f s" % (time.monotonic() - started))
    finally:
        if server:
            server.shutdown()
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    main(sys.argv[1])
