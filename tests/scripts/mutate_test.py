#!/usr/bin/env python3
"""scripts/mutate: which sites it finds, and a whole run over a small project in a git
repository of its own: the outcome of each mutant, and every file back as it was."""

import os
import subprocess
import sys
import tempfile
import unittest
from importlib.machinery import SourceFileLoader

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SCRIPT = os.path.join(ROOT, "scripts", "mutate")
mutate = SourceFileLoader("mutate", SCRIPT).load_module()

SITES = """#include <vector>
// if (a < b) Log("x");
namespace {
constexpr int kLimit = 3;
}
struct Box { int Size() const; Box(int side); };
bool Fits(int n) {
  const char* text = "a < b && c";
  std::vector<int> sizes;
  Log(text);
  if (n < kLimit && n >= 0) return true;
  return n == 7;
}
"""


class SitesTest(unittest.TestCase):
    def test_each_operator_once_and_nothing_in_comments_strings_templates_or_declarations(self):
        found = [(m.line, m.operator, m.after) for m in mutate.mutants_of("f.cpp", SITES)]
        self.assertEqual(found, [
            (4, "literal-1", "constexpr int kLimit = 2;"),
            (10, "call removed", ";"),
            (11, "relational", "if (n <= kLimit && n >= 0) return true;"),
            (11, "logical", "if (n < kLimit || n >= 0) return true;"),
            (11, "relational", "if (n < kLimit && n > 0) return true;"),
            (11, "literal+1", "if (n < kLimit && n >= 1) return true;"),
            (11, "return", "if (n < kLimit && n >= 0) return false;"),
            (12, "equality", "return n != 7;"),
            (12, "literal-1", "return n == 6;"),
        ])

    def test_hex_literals_keep_their_form(self):
        [m] = mutate.mutants_of("f.cpp", "int f() { return 0x1Fu; }\n")
        self.assertEqual(m.after, "int f() { return 0x1Eu; }")
        [m] = mutate.mutants_of("f.cpp", "struct A { virtual int f() const = 0; }; int g = 0x0100;\n")
        self.assertEqual(m.after, "struct A { virtual int f() const = 0; }; int g = 0x00FF;")


FIXTURE = {
    "CMakeLists.txt": """cmake_minimum_required(VERSION 3.16)
project(fixture CXX)
set(CMAKE_CXX_STANDARD 17)
enable_testing()
add_library(fit STATIC library/fit.cpp)
add_executable(fit_test tests/fit_test.cpp)
target_link_libraries(fit_test PRIVATE fit)
target_include_directories(fit_test PRIVATE library)
add_test(NAME fit COMMAND fit_test corpus)
""",
    "library/fit.h": "int Clamp(int value, int limit);\nbool Even(int value);\n"
                     "int Second();\nint Twice(int value);\n",
    "library/fit.cpp": """#include "fit.h"
#include <array>

int Clamp(int value, int limit) {
  if (value > limit) return limit;
  return value;
}

bool Even(int value) { return value % 2 == 0; }

int Second() {
  std::array<int, 2> pair{4, 5};
  auto [first, second] = pair;
  return second - first;
}

static int calls;
static void Count() { ++calls; }
int Twice(int value) {
  Count();
  return value * 2;
}
""",
    "tests/fit_test.cpp": """#include "fit.h"
// Like the corpus replays, it needs the argument its test gives it.
int main(int argc, char** argv) {
  if (argc != 2) return 2;
  bool good = Clamp(1, 5) == 1 && Clamp(9, 5) == 5 && !Even(3) && Even(4) && Second() == 1 &&
              Twice(3) == 6;
  return good ? 0 : 1;
}
""",
    "scripts/mutate-equivalents": """# fixture
library/fit.cpp
- if (value > limit) return limit;
+ if (value >= limit) return limit;
why: at value == limit both return the same number
""",
}


def git(repo, *args):
    return subprocess.run(["git", "-C", repo, "-c", "user.name=t", "-c", "user.email=t@t"] +
                          list(args), check=True, capture_output=True, text=True).stdout


class RunTest(unittest.TestCase):
    def test_outcomes_reported_and_every_file_restored(self):
        with tempfile.TemporaryDirectory() as work:
            repo = os.path.join(work, "repo")
            for path, text in FIXTURE.items():
                os.makedirs(os.path.dirname(os.path.join(repo, path)), exist_ok=True)
                with open(os.path.join(repo, path), "w") as handle:
                    handle.write(text)
            git(work, "init", "-q", repo)
            git(repo, "add", ".")
            git(repo, "commit", "-q", "-m", "fixture")
            scratch = os.path.join(work, "scratch")
            run = subprocess.run([sys.executable, SCRIPT, "--root", repo, "--scratch", scratch],
                                 capture_output=True, text=True, timeout=300)
            self.assertEqual(run.returncode, 0, run.stdout + run.stderr)
            lines = run.stdout.splitlines()
            self.assertIn("SURVIVED library/fit.cpp:20: Count();  =>  ;", lines)
            self.assertEqual(sum(line.startswith("SURVIVED") for line in lines), 1, run.stdout)
            self.assertRegex(run.stdout, r"library +85\.7% killed +\(6 of 7; 6 killed, 0 timeout, "
                                         r"1 survived, 1 equivalent, 1 build-failed\)")
            self.assertEqual(git(repo, "status", "--porcelain"), "")
            clone = os.path.join(scratch, "clone")
            self.assertEqual(git(clone, "status", "--porcelain", "--untracked-files=no"), "")
            with open(os.path.join(scratch, "survivors.txt")) as handle:
                self.assertEqual(handle.read(), "library/fit.cpp\n- Count();\n+ ;\nwhy: ?\n\n")


if __name__ == "__main__":
    unittest.main()
