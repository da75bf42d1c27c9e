# SPDX-FileCopyrightText: 2026 The Zorbitan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A copy of the sources that a mutation run may break, its build, and its tests.

The run never writes to the checkout: it mirrors the files git knows into a folder of its
own, mutates the copy, and builds that in a build folder of its own with ccache, so that a
mutant costs one compile and a link, and putting a file back costs a cache hit.
"""

import os
import shutil
import signal
import subprocess
import time
from contextlib import contextmanager

# Which tests can catch a fault in a source, the fast offscreen ones first (in the order
# they are run), and the whole-program runs (CTest's names) tried only when those miss it.
COVERAGE = [
    ("core/", ["core_tests", "screens_tests"], []),
    ("services/sound/", [], ["e2e.heard"]),
    ("services/", ["services_tests", "screens_tests"], ["e2e.keep.broken-data-files", "e2e.play.bare"]),
    ("screens/", ["screens_tests"], ["e2e.play.bare"]),
    ("app/", ["screens_tests"], ["e2e.no-display", "e2e.language", "e2e.play.bare"]),
]
PROGRAM_TARGETS = ["zorbitan", "zorbitan-harness", "zorbitan_sound", "sounds-heard", "gamedata"]


def tests_for(path):
    return next((binaries, programs) for prefix, binaries, programs in COVERAGE if path.startswith(prefix))


class Workspace:
    def __init__(self, checkout, folder, log):
        self.checkout = checkout
        self.source = os.path.join(folder, "src")
        self.build = os.path.join(folder, "build")
        self.bin = os.path.join(self.build, "bin")
        self.log = log
        self.baseline = {}  # seconds each test took on the unmutated build
        self.mirrored = {}  # path: the contents the copy was made from

    def files(self):
        listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                                cwd=self.checkout, check=True, capture_output=True).stdout
        return [f for f in listed.decode().split("\0") if f and os.path.isfile(os.path.join(self.checkout, f))]

    def read(self, path):
        """A source as the copy was made from it (or, before that, as it stands)."""
        if path in self.mirrored:
            return self.mirrored[path].decode()
        with open(os.path.join(self.checkout, path), encoding="utf-8") as file:
            return file.read()

    def mirror(self):
        """Brings the copy up to the checkout, touching only the files that differ."""
        wanted = set(self.files())
        self.mirrored = {}
        for path in wanted:
            original, copy = os.path.join(self.checkout, path), os.path.join(self.source, path)
            with open(original, "rb") as file:
                self.mirrored[path] = file.read()
            if not os.path.exists(copy) or not same_file(original, copy):
                os.makedirs(os.path.dirname(copy), exist_ok=True)
                shutil.copy2(original, copy)
                os.utime(copy)  # newer than whatever was built from the copy before
        for root, _, names in os.walk(self.source):
            for name in names:
                copy = os.path.join(root, name)
                if os.path.relpath(copy, self.source) not in wanted:
                    os.remove(copy)

    def configure(self):
        if not os.path.exists(os.path.join(self.build, "CMakeCache.txt")):
            self.run(["cmake", "-S", self.source, "-B", self.build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                      "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"], "configure")

    def compile(self, targets, timeout=None):
        return self.run(["cmake", "--build", self.build, "-j2", "--target", *targets], "build", timeout)

    def run(self, command, what, timeout=None, cwd=None, env=None):
        """The command's result: "ok", "failed" or "timeout"; its output goes to the log."""
        with open(self.log, "a", encoding="utf-8") as log:
            log.write(f"\n== {what}: {' '.join(command)}\n")
            log.flush()
            process = subprocess.Popen(command, cwd=cwd, stdout=log, stderr=subprocess.STDOUT,
                                       env=env, start_new_session=True)
            try:
                return "ok" if process.wait(timeout=timeout) == 0 else "failed"
            except subprocess.TimeoutExpired:
                return "timeout"
            finally:
                if process.poll() is None:  # a test left running, with whatever it started
                    os.killpg(process.pid, signal.SIGKILL)
                    process.wait()

    def test(self, name, timeout=None):
        """Runs one test binary (stopping at its first failure) or one whole-program test."""
        if name.startswith("e2e."):
            command = ["ctest", "--test-dir", self.build, "--stop-on-failure", "--output-on-failure",
                       "-R", "^" + name.replace(".", "[.]")]
            return self.run(command, name, timeout)
        command = [os.path.join(self.bin, name), "--gtest_fail_fast", "--gtest_brief=1"]
        return self.run(command, name, timeout, cwd=self.bin, env={**os.environ, "ZORBITAN_FIRST_FAULT_ONLY": "1"})

    def measure(self, names):
        """Times the unmutated tests; a test that fails unmutated makes the run meaningless."""
        for name in names:
            if name not in self.baseline:
                began = time.monotonic()
                if self.test(name) != "ok":
                    raise SystemExit(f"mutate: {name} fails without any mutant; see {self.log}")
                self.baseline[name] = time.monotonic() - began

    def timeout(self, name):
        # Generous for a busy machine: a mutant that runs this long is caught by its hang.
        return 120 + 5 * self.baseline[name]

    @contextmanager
    def mutated(self, mutant):
        """The copy with one mutant in it, put back afterwards whatever happens."""
        path = os.path.join(self.source, mutant.path)
        original = self.read(mutant.path)
        try:
            with open(path, "w", encoding="utf-8") as file:
                file.write(mutant.apply(original))
            yield
        finally:
            with open(path, "w", encoding="utf-8") as file:
                file.write(original)

    def clean(self):
        """Whether the copy holds exactly the files it was made from: every mutant put back."""
        for path, contents in self.mirrored.items():
            with open(os.path.join(self.source, path), "rb") as file:
                if file.read() != contents:
                    return False
        return True


def same_file(a, b):
    with open(a, "rb") as first, open(b, "rb") as second:
        return first.read() == second.read()
