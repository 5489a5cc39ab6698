#!/usr/bin/env python3
"""Seeded mutation sampler: how many small source faults do the tests catch?

It finds every mutation site in the .cpp files of the core libraries (src/instance,
src/solver, src/geoservices, src/checking, src/database), inside function bodies only
and never in comments, strings, preprocessor lines or asserts, draws --count of them
with --seed, and for each one builds the mutated library in a scratch copy of the tree
and runs the test programs of the mutated subsystem's own folder (tests/<subsystem>/).

Mutation kinds:
  negate-comparison   == <-> !=, < -> >=, <= -> >, > -> <=, >= -> <
  boundary            < -> <=, <= -> <, > -> >=, >= -> >
  literal+1           an integer literal n becomes n + 1
  logic               && <-> ||
  bool                true <-> false
  negate-condition    if (c) / while (c) becomes if (!(c)) / while (!(c))
  drop-statement      an expression statement (call, assignment, ++/--) becomes {}
  drop-return         the return of an if's early-out becomes {}

The draw depends only on the files under src/ and the seed, so two trees with the same
src/ and different tests/ test the same mutants. A mutant is killed when a test fails,
crashes or times out; a mutant that does not compile is reported apart and left out of
the rate: kill rate = killed / compiled.

Usage:
  python3 tools/mutation_sampler.py [--tree DIR] [--seed 1] [--count 250] [--jobs 4]
                                    [--out FILE] [--timeout 30] [--only FOLDER] [--list-only]

  --tree       worktree whose src/ and tests/ are measured (default: this repository)
  --jobs       parallel workers, each with its own scratch copy and core-only build
  --out        results file (header, summary, survivors, every mutant and its outcome)
  --timeout    seconds per test program before the mutant counts as killed by a hang
  --only       draw from the sites of one folder alone (e.g. src/solver, or src/solver/moves);
               without it the draw is over every core library, as it always was
  --list-only  print the drawn mutants and stop

Example, the same draw on another worktree (only tests/ differ):
  python3 tools/mutation_sampler.py --tree ../other-worktree --seed 1 --count 250 --jobs 4 \\
      --out bench/results/DATE_mutation_after.txt

Mutant numbers (M001...) follow from src/ and the seed alone, so two runs compare mutant by
mutant. 250 mutants with --jobs 4 took about 9 minutes on the shared 8-core machine, 3 of
them for the four scratch builds (ninja -j1 each).

Scratch copies live in a mutation folder beside the tree (--scratch to move it) and are
removed at the end, also after an error or an interrupt; the tree itself is never written.
"""

import argparse
import datetime
import os
import queue
import random
import re
import shlex
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

SUBSYSTEMS = ["instance", "solver", "geoservices", "checking", "database"]
COPIED = ["CMakeLists.txt", "cmake", "src", "tests", "tools", "bench", "help"]

# ---------------------------------------------------------------------------
# Lexing: enough C++ to tell code from comments, strings and preprocessor lines.

OPERATORS = sorted(
    """>>= <<= <=> ->* ... :: -> ++ -- << >> <= >= == != && || += -= *= /= %= &= |= ^= .*
    { } [ ] ( ) ; : , . ? ~ ! + - * / % ^ & | = < > #""".split(),
    key=len, reverse=True)

KEYWORDS = set("""alignas alignof asm auto bool break case catch char char16_t char32_t class
    const const_cast constexpr continue decltype default delete do double dynamic_cast else
    enum explicit export extern false float for friend goto if inline int long mutable
    namespace new noexcept nullptr operator private protected public register
    reinterpret_cast return short signed sizeof static static_assert static_cast struct
    switch template this thread_local throw true try typedef typeid typename union unsigned
    using virtual void volatile wchar_t while final override""".split())

ASSERTS = {"assert", "static_assert", "Q_ASSERT", "Q_ASSERT_X", "Q_STATIC_ASSERT"}
ASSIGNMENTS = {"=", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "<<=", ">>="}

IDENT = re.compile(r"[A-Za-z_]\w*")
NUMBER = re.compile(r"\.?\d(?:[eEpP][+-]|[\w.'])*")
RAW_STRING = re.compile(r'(?:u8|[uUL])?R"([^(\s]*)\(')
PLAIN_STRING = re.compile(r'(?:u8|[uUL])?(["\'])')


class Token:
    __slots__ = ("text", "kind", "start", "end", "line")

    def __init__(self, text, kind, start, end, line):
        self.text, self.kind, self.start, self.end, self.line = text, kind, start, end, line


def tokenize(source):
    """Tokens of code only; comments, literals of text and preprocessor lines are skipped."""
    tokens = []
    i, n, line = 0, len(source), 1
    line_start = True  # only whitespace since the last newline
    while i < n:
        c = source[i]
        if c == "\n":
            line += 1
            line_start = True
            i += 1
            continue
        if c in " \t\r\f\v":
            i += 1
            continue
        if c == "\\" and source.startswith("\n", i + 1):
            i += 1
            continue
        if source.startswith("//", i):
            while i < n and source[i] != "\n":
                i += 1
            continue
        if source.startswith("/*", i):
            end = source.find("*/", i + 2)
            end = n if end < 0 else end + 2
            line += source.count("\n", i, end)
            i = end
            continue
        if c == "#" and line_start:
            # A preprocessor line, with its continuations.
            while i < n and source[i] != "\n":
                if source[i] == "\\" and source.startswith("\n", i + 1):
                    line += 1
                    i += 1
                i += 1
            continue
        line_start = False
        m = RAW_STRING.match(source, i)
        if m:
            end = source.find(")" + m.group(1) + '"', m.end())
            end = n if end < 0 else end + len(m.group(1)) + 2
            line += source.count("\n", i, end)
            i = end
            continue
        m = PLAIN_STRING.match(source, i)
        if m and not (c == "'" and tokens and tokens[-1].kind == "number"):
            quote = m.group(1)
            j = m.end()
            while j < n and source[j] != quote and source[j] != "\n":
                j += 2 if source[j] == "\\" else 1
            i = j + 1
            continue
        m = NUMBER.match(source, i)
        if m and (c.isdigit() or c == "."):
            tokens.append(Token(m.group(0), "number", i, m.end(), line))
            i = m.end()
            continue
        m = IDENT.match(source, i)
        if m:
            tokens.append(Token(m.group(0), "ident", i, m.end(), line))
            i = m.end()
            continue
        for op in OPERATORS:
            if source.startswith(op, i):
                tokens.append(Token(op, "op", i, i + len(op), line))
                i += len(op)
                break
        else:
            i += 1  # a stray character (e.g. '@' or '$'); not ours to judge
    return tokens


def match_brackets(tokens):
    """Index of the partner of every (, [, { and ), ], }."""
    partner, stack = {}, []
    pairs = {")": "(", "]": "[", "}": "{"}
    for k, tok in enumerate(tokens):
        if tok.text in "([{" and tok.kind == "op":
            stack.append(k)
        elif tok.text in pairs and tok.kind == "op":
            while stack and tokens[stack[-1]].text != pairs[tok.text]:
                stack.pop()  # unbalanced by a macro; resynchronise
            if stack:
                opened = stack.pop()
                partner[opened], partner[k] = k, opened
    return partner


# ---------------------------------------------------------------------------
# Sites.

class Site:
    __slots__ = ("path", "line", "column", "kind", "start", "end", "original", "mutated")

    def __init__(self, path, source, kind, start, end, mutated):
        self.path, self.kind, self.start, self.end = path, kind, start, end
        self.original, self.mutated = source[start:end], mutated
        self.line = source.count("\n", 0, start) + 1
        self.column = start - (source.rfind("\n", 0, start) + 1) + 1

    def key(self):
        return (self.path, self.start, self.end, self.kind, self.mutated)

    def subsystem(self):
        return self.path.split("/")[1]

    def describe(self, width=70):
        def short(text):
            text = " ".join(text.split())
            return text if len(text) <= width else text[: width - 3] + "..."
        return "%s:%d %s `%s` -> `%s`" % (self.path, self.line, self.kind,
                                          short(self.original), short(self.mutated))


class SiteFinder:
    """Walks one file's tokens; records sites inside function bodies only."""

    NEGATED = {"==": "!=", "!=": "==", "<": ">=", "<=": ">", ">": "<=", ">=": "<"}
    BOUNDARY = {"<": "<=", "<=": "<", ">": ">=", ">=": ">"}

    def __init__(self, path, source):
        self.path, self.source = path, source
        self.tokens = tokenize(source)
        self.partner = match_brackets(self.tokens)
        self.sites = []
        self.block_starts = {}  # '{' of a compound statement -> where its statements start
        self.excluded = self.assert_tokens()

    def text(self, k):
        return self.tokens[k].text if 0 <= k < len(self.tokens) else ""

    def add(self, kind, start, end, mutated):
        self.sites.append(Site(self.path, self.source, kind, start, end, mutated))

    def spaced(self, k):
        tok = self.tokens[k]
        return (tok.start > 0 and self.source[tok.start - 1].isspace() and
                tok.end < len(self.source) and self.source[tok.end].isspace())

    def assert_tokens(self):
        excluded = set()
        for k, tok in enumerate(self.tokens):
            if tok.text in ASSERTS and self.text(k + 1) == "(" and (k + 1) in self.partner:
                excluded.update(range(k, self.partner[k + 1] + 1))
        return excluded

    def find(self):
        in_code = self.mark_code()
        for k, tok in enumerate(self.tokens):
            if in_code[k] and k not in self.excluded:
                self.token_sites(k, tok)
        return self.sites

    # -- which braces hold code ------------------------------------------------

    def code_brace(self, k, inside_code):
        """True when the '{' at k opens a block of statements (function or lambda body,
        compound statement), False for namespaces, classes, enums and brace initialisers."""
        prev = self.text(k - 1)
        if inside_code:
            return prev in (")", "{", "}", ";", "else", "do", "try", ":", "]", "mutable",
                            "noexcept")
        return prev in (")", "const", "override", "noexcept", "final", "mutable")

    def mark_code(self):
        """Per token: inside a function body? Starts the statement walk at each body."""
        in_code = [False] * len(self.tokens)
        stack = []  # True for a code brace
        for k, tok in enumerate(self.tokens):
            if tok.kind == "op" and tok.text == "{":
                inside = any(stack)
                is_code = self.code_brace(k, inside)
                if is_code and not inside and k in self.partner:
                    self.walk_block(k + 1, self.partner[k])
                stack.append(is_code)
            elif tok.kind == "op" and tok.text == "}":
                if stack:
                    stack.pop()
            in_code[k] = any(stack)
        return in_code

    # -- sites in single tokens ------------------------------------------------

    def token_sites(self, k, tok):
        prev = self.text(k - 1)
        if tok.kind == "op":
            if tok.text in ("==", "!=") and prev != "operator":
                self.add("negate-comparison", tok.start, tok.end, self.NEGATED[tok.text])
            elif tok.text in self.BOUNDARY and self.spaced(k) and prev not in (
                    "operator", "template"):
                # Spaced on both sides: a comparison, not a template's angle bracket.
                self.add("negate-comparison", tok.start, tok.end, self.NEGATED[tok.text])
                self.add("boundary", tok.start, tok.end, self.BOUNDARY[tok.text])
            elif tok.text in ("&&", "||") and self.spaced(k):
                # Spaced: logic; a reference to an rvalue is written Type&& name.
                self.add("logic", tok.start, tok.end, "||" if tok.text == "&&" else "&&")
        elif tok.kind == "ident" and tok.text in ("true", "false"):
            self.add("bool", tok.start, tok.end, "false" if tok.text == "true" else "true")
        elif tok.kind == "number":
            m = re.fullmatch(r"(0|[1-9][0-9']*)([uUlLzZ]*)", tok.text)
            if m:
                value = int(m.group(1).replace("'", "")) + 1
                self.add("literal+1", tok.start, tok.end, str(value) + m.group(2))

    # -- sites in statements ---------------------------------------------------

    def walk_block(self, k, end):
        """Statements of the block whose tokens are k..end-1; returns where each starts."""
        starts = []
        while k < end:
            starts.append(k)
            k = self.walk_statement(k, end)
        return starts

    def walk_statement(self, k, end):
        """Records the sites of the statement starting at k; returns the index after it."""
        word = self.text(k)
        if word == "{" and k in self.partner:
            self.block_starts[k] = self.walk_block(k + 1, self.partner[k])
            return self.partner[k] + 1
        if word == ";":
            return k + 1
        if word in ("if", "while", "for", "switch"):
            paren = k + 1
            if self.text(paren) == "constexpr":
                paren += 1
            if self.text(paren) != "(" or paren not in self.partner:
                return self.skip_statement(k, end)
            close = self.partner[paren]
            self.scan_lambdas(paren + 1, close)
            if word in ("if", "while") and self.text(paren - 1) != "constexpr":
                self.condition_site(paren, close)
            after = self.walk_statement(close + 1, end)
            if word == "if":
                if self.text(after) == "else":
                    after = self.walk_statement(after + 1, end)
                else:
                    self.early_out_site(close + 1)
            return after
        if word == "do":
            after = self.walk_statement(k + 1, end)
            if self.text(after) == "while" and self.text(after + 1) == "(":
                close = self.partner.get(after + 1, after + 1)
                self.condition_site(after + 1, close)
                return self.skip_statement(close + 1, end)
            return after
        if word in ("case", "default"):
            while k < end and self.text(k) != ":":
                k += 1
            return k + 1
        if word == "try":
            after = self.walk_statement(k + 1, end)
            while self.text(after) == "catch" and self.text(after + 1) == "(":
                after = self.walk_statement(self.partner.get(after + 1, after + 1) + 1, end)
            return after
        after = self.skip_statement(k, end)
        if (word != "return" and self.is_expression_statement(k, after - 1) and
                not self.excluded_span(k, after - 1)):
            self.add("drop-statement", self.tokens[k].start, self.tokens[after - 1].end, "{}")
        return after

    def early_out_site(self, body):
        """The return that ends the body of an if without else: dropping it runs on."""
        if self.text(body) == "{":
            starts = self.block_starts.get(body)
            if not starts:
                return
            body = starts[-1]
        if self.text(body) == "return":
            semicolon = self.skip_statement(body, len(self.tokens), walk=False) - 1
            if not self.excluded_span(body, semicolon):
                self.add("drop-return", self.tokens[body].start, self.tokens[semicolon].end,
                         "{}")

    def skip_statement(self, k, end, walk=True):
        """Index after the ';' ending the statement at k; lambda bodies on the way are walked."""
        while k < end and self.text(k) != ";":
            if self.text(k) in ("(", "[", "{") and k in self.partner:
                if walk:
                    self.scan_lambdas(k, self.partner[k] + 1)
                k = self.partner[k] + 1
            else:
                k += 1
        return k + 1

    def scan_lambdas(self, k, end):
        while k < end:
            if self.text(k) == "{" and k in self.partner and self.code_brace(k, True):
                self.walk_block(k + 1, self.partner[k])
                k = self.partner[k] + 1
            else:
                k += 1

    def excluded_span(self, first, last):
        return any(j in self.excluded for j in range(first, last + 1))

    def condition_site(self, paren, close):
        inner = range(paren + 1, close)
        if not inner or self.excluded_span(paren, close):
            return
        depth = 0
        for j in inner:
            word = self.text(j)
            depth += word in ("(", "[", "{")
            depth -= word in (")", "]", "}")
            if depth == 0 and word in (";", "="):
                return  # a declaration or an init-statement in the condition
        start, end = self.tokens[paren].end, self.tokens[close].start
        condition = self.source[start:end]
        self.add("negate-condition", start, end, "!(" + condition + ")")

    def is_expression_statement(self, k, semicolon):
        """A call, an assignment or an increment: a statement that can go without breaking
        the build. Declarations (Type name ...) never match."""
        j = k
        prefix = self.text(j) in ("++", "--")
        if prefix:
            j += 1
        tok = self.tokens[j] if j < semicolon else None
        if tok is None or tok.kind != "ident" or (tok.text in KEYWORDS and tok.text != "this"):
            return False
        j += 1
        while self.text(j) == "::" and self.tokens[j + 1].kind == "ident":
            j += 2
        called = False
        while j < semicolon:
            word = self.text(j)
            if word in (".", "->") and self.tokens[j + 1].kind == "ident":
                j += 2
                called = False
            elif word in ("(", "[") and j in self.partner:
                called = word == "("
                j = self.partner[j] + 1
            else:
                break
        if j == semicolon:
            return prefix or called
        word = self.text(j)
        if word in ASSIGNMENTS or word == "<<":
            return True
        return word in ("++", "--") and j + 1 == semicolon


def find_sites(tree):
    sites = []
    for sub in SUBSYSTEMS:
        root = os.path.join(tree, "src", sub)
        for folder, dirs, files in os.walk(root):
            dirs.sort()
            for name in sorted(files):
                if name.endswith(".cpp"):
                    full = os.path.join(folder, name)
                    rel = os.path.relpath(full, tree).replace(os.sep, "/")
                    with open(full, encoding="utf-8", errors="surrogateescape") as f:
                        sites.extend(SiteFinder(rel, f.read()).find())
    sites.sort(key=Site.key)
    return sites


def in_folder(sites, folder):
    """The sites of the files under folder (a path relative to the tree)."""
    folder = folder.replace(os.sep, "/").strip("/")
    return [s for s in sites if s.path.startswith(folder + "/")]


def draw(sites, seed, count):
    chosen = random.Random(seed).sample(sites, min(count, len(sites)))
    chosen.sort(key=Site.key)
    return chosen


# ---------------------------------------------------------------------------
# Running.

class Cancelled(Exception):
    pass


class Runner:
    """Starts each command in its own process group, so that anything a test leaves
    behind (the web-service stub) ends with it, and so that a stop can end it."""

    def __init__(self, stop):
        self.stop = stop
        self.lock = threading.Lock()
        self.running = set()

    def run(self, argv, cwd, timeout, env=None):
        """(exit code or None on timeout, output)."""
        if self.stop.is_set():
            raise Cancelled()
        with tempfile.TemporaryFile() as out:
            proc = subprocess.Popen(argv, cwd=cwd, env=env, stdout=out, stderr=subprocess.STDOUT,
                                    stdin=subprocess.DEVNULL, start_new_session=True)
            with self.lock:
                self.running.add(proc.pid)
            deadline = time.monotonic() + timeout
            timed_out = False
            try:
                # Wait without reaping, so the group id cannot be reused before it is ended.
                while os.waitid(os.P_PID, proc.pid,
                                os.WEXITED | os.WNOHANG | os.WNOWAIT) is None:
                    if time.monotonic() > deadline or self.stop.is_set():
                        timed_out = True
                        break
                    time.sleep(0.05)
            finally:
                self.end_group(proc.pid)
                proc.wait()
                with self.lock:
                    self.running.discard(proc.pid)
            out.seek(0)
            text = out.read().decode("utf-8", "replace")
        if self.stop.is_set():
            raise Cancelled()
        return (None if timed_out else proc.returncode), text

    @staticmethod
    def end_group(pgid):
        try:
            os.killpg(pgid, signal.SIGKILL)
        except (ProcessLookupError, PermissionError):
            pass

    def end_all(self):
        with self.lock:
            for pid in list(self.running):
                self.end_group(pid)


class Worker(threading.Thread):
    def __init__(self, index, args, scratch, runner, groups, subsystems, results, report):
        super().__init__(daemon=True)
        self.index, self.args, self.runner = index, args, runner
        self.dir = os.path.join(scratch, "w%d" % index)
        self.groups, self.subsystems = groups, subsystems
        self.results, self.report = results, report
        self.error = None

    def run(self):
        try:
            self.set_up()
            while True:
                try:
                    group = self.groups.get_nowait()
                except queue.Empty:
                    return
                for number, site in group:
                    self.results[number] = self.test(site)
                    self.report(number, site, self.results[number])
        except Cancelled:
            pass
        except Exception as e:  # reported by the main thread
            self.error = e

    def build(self, subsystems):
        targets = ["tests/%s/all" % sub for sub in subsystems]
        return self.runner.run(["ninja", "-C", "build", "-j1"] + targets, self.dir, 1800)

    def ctest(self, sub, stop_on_failure=True):
        argv = ["ctest", "--test-dir", "build/tests/" + sub, "--timeout", str(self.args.timeout)]
        if stop_on_failure:
            argv.append("--stop-on-failure")
        # A ceiling well above the per-test limit, for a ctest that itself does not return.
        return self.runner.run(argv, self.dir, self.args.timeout * 20 + 120,
                               env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))

    def set_up(self):
        os.makedirs(self.dir)
        for name in COPIED:
            source = os.path.join(self.args.tree, name)
            target = os.path.join(self.dir, name)
            if os.path.isdir(source):
                shutil.copytree(source, target, symlinks=True,
                                ignore=shutil.ignore_patterns("build", "build-*", "__pycache__"))
            elif os.path.exists(source):
                shutil.copy2(source, target)
        code, text = self.runner.run(
            ["cmake", "-S", ".", "-B", "build", "-G", "Ninja", "-DTOVALO_CORE_ONLY=ON",
             "-DCMAKE_BUILD_TYPE=Release", "-DCMAKE_CXX_FLAGS_RELEASE=" + self.args.cxx_flags],
            self.dir, 600)
        if code != 0:
            raise RuntimeError("worker %d: cmake failed:\n%s" % (self.index, text[-3000:]))
        code, text = self.build(self.subsystems)
        if code != 0:
            raise RuntimeError("worker %d: the unmutated tree does not build:\n%s"
                               % (self.index, text[-3000:]))
        for sub in self.subsystems:
            code, text = self.ctest(sub, stop_on_failure=False)
            if code != 0:
                raise RuntimeError("worker %d: tests/%s fail without any mutation:\n%s"
                                   % (self.index, sub, text[-3000:]))

    def test(self, site):
        path = os.path.join(self.dir, site.path)
        with open(path, "rb") as f:
            original = f.read()
        text = original.decode("utf-8", "surrogateescape")
        mutated = text[:site.start] + site.mutated + text[site.end:]
        started = time.monotonic()
        try:
            with open(path, "wb") as f:
                f.write(mutated.encode("utf-8", "surrogateescape"))
            code, output = self.build([site.subsystem()])
            if code != 0:
                return Outcome("compile-error", "", time.monotonic() - started)
            code, output = self.ctest(site.subsystem())
            if code == 0:
                return Outcome("survived", "", time.monotonic() - started)
            failed = re.findall(r"^\s*\d+ - (\S+) \(([^)]*)\)", output, re.M)
            timeout = code is None or any("Timeout" in why for _, why in failed)
            detail = ", ".join("%s (%s)" % f for f in failed) or "ctest exit %s" % code
            return Outcome("timeout" if timeout else "killed", detail,
                           time.monotonic() - started)
        finally:
            with open(path, "wb") as f:
                f.write(original)


class Outcome:
    __slots__ = ("status", "detail", "seconds")

    def __init__(self, status, detail, seconds):
        self.status, self.detail, self.seconds = status, detail, seconds


# ---------------------------------------------------------------------------
# Reporting.

def git(tree, *argv):
    result = subprocess.run(["git", "-C", tree] + list(argv), capture_output=True, text=True)
    return result.stdout.strip() if result.returncode == 0 else "?"


def revision(tree, folder):
    commit = git(tree, "log", "-1", "--format=%h", "--", folder)
    content = git(tree, "rev-parse", "--short", "HEAD:" + folder)
    dirty = git(tree, "status", "--porcelain", "--", folder)
    return "%s/ at commit %s (tree %s%s)" % (folder, commit, content,
                                             ", with uncommitted changes" if dirty else "")


def summary_lines(chosen, results):
    rows = []
    header = "%-12s %6s %8s %8s %8s %9s %8s %10s" % (
        "subsystem", "drawn", "compiled", "killed", "timeout", "survived", "no-build",
        "kill rate")
    rows.append(header)
    for sub in SUBSYSTEMS + ["overall"]:
        outcomes = [results[n] for n, s in enumerate(chosen, 1)
                    if (sub == "overall" or s.subsystem() == sub) and n in results]
        if not outcomes and sub != "overall":
            continue
        count = {k: sum(o.status == k for o in outcomes)
                 for k in ("killed", "timeout", "survived", "compile-error")}
        compiled = count["killed"] + count["timeout"] + count["survived"]
        killed = count["killed"] + count["timeout"]
        rate = "%.1f %%" % (100.0 * killed / compiled) if compiled else "-"
        rows.append("%-12s %6d %8d %8d %8d %9d %8d %10s" % (
            sub, len(outcomes), compiled, killed, count["timeout"], count["survived"],
            count["compile-error"], rate))
    return rows


def main():
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--tree", default=here, help="worktree to measure (default: %(default)s)")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=250)
    parser.add_argument("--jobs", type=int, default=4)
    parser.add_argument("--out", help="results file")
    parser.add_argument("--timeout", type=int, default=30, help="seconds per test program")
    parser.add_argument("--cxx-flags", default="-O1 -DNDEBUG",
                        help="release flags of the scratch builds (default: %(default)s)")
    parser.add_argument("--scratch", help="folder for the scratch copies (default: beside the tree)")
    parser.add_argument("--only", metavar="FOLDER",
                        help="draw from this folder's sites alone, e.g. src/solver")
    parser.add_argument("--list-only", action="store_true", help="print the draw and stop")
    args = parser.parse_args()
    args.tree = os.path.abspath(args.tree)
    command = "python3 " + shlex.join([os.path.relpath(sys.argv[0])] + sys.argv[1:])
    header = "# %s UTC, %d cores, `%s`, %s, %s" % (
        datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M"),
        os.cpu_count() or 0, command, revision(args.tree, "src"), revision(args.tree, "tests"))

    sites = find_sites(args.tree)
    if args.only:
        sites = in_folder(sites, args.only)
        if not sites:
            parser.error("no mutation site under %s" % args.only)
    chosen = draw(sites, args.seed, args.count)
    kinds = {}
    for site in sites:
        kinds[site.kind] = kinds.get(site.kind, 0) + 1
    draw_lines = ["%d candidate sites (%s); seed %d draws %d:" % (
        len(sites), ", ".join("%s %d" % kv for kv in sorted(kinds.items())), args.seed,
        len(chosen))]
    draw_lines += ["M%03d %s" % (n, s.describe()) for n, s in enumerate(chosen, 1)]
    print(header)
    print("\n".join(draw_lines), flush=True)
    if args.list_only:
        return 0

    # One file's mutants go to one worker in a row: the file is rebuilt once per mutant,
    # not once more to undo each. Larger groups first, so the workers end together.
    by_file = {}
    for n, site in enumerate(chosen, 1):
        by_file.setdefault(site.path, []).append((n, site))
    groups = queue.Queue()
    for group in sorted(by_file.values(), key=lambda g: (-len(g), g[0][1].path)):
        groups.put(group)
    subsystems = [sub for sub in SUBSYSTEMS if any(s.subsystem() == sub for s in chosen)]

    stop = threading.Event()
    runner = Runner(stop)
    results = {}
    print_lock = threading.Lock()
    started = time.monotonic()

    def report(number, site, outcome):
        with print_lock:
            print("[%3d/%d %4.0fs] M%03d %-13s %5.1fs %s" % (
                len(results), len(chosen), time.monotonic() - started, number,
                outcome.status, outcome.seconds, site.describe(50)), flush=True)

    def on_term(signum, frame):
        raise KeyboardInterrupt()

    signal.signal(signal.SIGTERM, on_term)
    signal.signal(signal.SIGINT, signal.default_int_handler)
    scratch_root = args.scratch or os.path.dirname(args.tree)
    scratch = tempfile.mkdtemp(prefix="mut-", dir=scratch_root)
    workers = []
    try:
        workers = [Worker(k, args, scratch, runner, groups, subsystems, results, report)
                   for k in range(max(1, args.jobs))]
        for w in workers:
            w.start()
        for w in workers:
            while w.is_alive():
                w.join(0.5)
                if any(other.error for other in workers):
                    stop.set()
                    runner.end_all()
        errors = [w.error for w in workers if w.error]
        if errors:
            raise errors[0]
    except KeyboardInterrupt:
        # A second signal must not cut the clean-up short.
        signal.signal(signal.SIGINT, signal.SIG_IGN)
        signal.signal(signal.SIGTERM, signal.SIG_IGN)
        print("interrupted; ending the workers and removing %s" % scratch, file=sys.stderr)
        stop.set()
        runner.end_all()
        for w in workers:
            w.join()
        raise
    finally:
        stop.set()
        runner.end_all()
        shutil.rmtree(scratch, ignore_errors=True)
    elapsed = time.monotonic() - started

    lines = [header, ""]
    lines += ["Runtime %.0f s with %d workers (scratch builds included); builds %s; each mutant "
              "runs the test programs of tests/<its subsystem>/ (%d s per program)." % (
                  elapsed, len(workers), args.cxx_flags, args.timeout), ""]
    lines += summary_lines(chosen, results)
    lines += ["", "kill rate = (killed, timeouts included) / compiled", ""]
    lines += ["Survivors:"]
    lines += ["M%03d %s" % (n, s.describe()) for n, s in enumerate(chosen, 1)
              if results[n].status == "survived"]
    lines += ["", "All mutants (outcome, seconds, failing test programs):"]
    for n, s in enumerate(chosen, 1):
        o = results[n]
        lines.append("M%03d %-13s %5.1f %s%s" % (n, o.status, o.seconds, s.describe(),
                                                 "  [" + o.detail + "]" if o.detail else ""))
    lines += ["", draw_lines[0]]
    print("\n".join(lines[2:]))
    if args.out:
        with open(args.out, "w") as f:
            f.write("\n".join(lines) + "\n")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except KeyboardInterrupt:
        sys.exit(130)
