# SPDX-FileCopyrightText: 2026 The Zorbitan developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The faults a mutation run makes in a C++ source: each a small edit of one place."""

import re
from dataclasses import dataclass

TOKEN = re.compile(
    r"""(?P<space>\s+)
    |(?P<comment>//[^\n]*|/\*.*?\*/)
    |(?P<string>R"(?P<delim>[^(\s]*)\(.*?\)(?P=delim)"|"(?:\\.|[^"\\\n])*"|'(?:\\.|[^'\\\n])*')
    |(?P<number>0[xX][0-9a-fA-F']+[uUlL]*|\d[\d']*(?:\.\d*)?(?:[eE][+-]?\d+)?[uUlLfF]*)
    |(?P<name>[A-Za-z_]\w*)
    |(?P<punct>::|->\*?|<<=|>>=|<=>|<<|>>|<=|>=|==|!=|&&|\|\||\+\+|--|[-+*/%&|^!=]=|\.\.\.|.)""",
    re.VERBOSE | re.DOTALL,
)
KEYWORDS = {
    "if", "for", "while", "switch", "return", "sizeof", "catch", "case", "default", "break", "continue",
    "goto", "using", "typedef", "static_assert", "template", "operator", "new", "delete", "throw", "co_return",
    "decltype", "alignof", "noexcept", "else", "do", "namespace", "class", "struct", "enum", "auto", "const",
    "constexpr", "static", "inline", "public", "private", "protected", "friend", "virtual", "explicit",
    "requires", "concept", "typename", "static_cast", "reinterpret_cast", "const_cast", "dynamic_cast",
}
FLIPPED = {"<": [">", "<="], ">": ["<", ">="], "<=": [">=", "<"], ">=": ["<=", ">"], "==": ["!="], "!=": ["=="]}
ASSIGNMENTS = {"=", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "<<=", ">>=", "++", "--"}
DECLARED = re.compile(r"(const\s+)?[\w:<>]+[\s&*]+\w+")
TYPE_LIKE = {"::", ",", "*", "&", "<", ">", ">>", "(", ")"}


@dataclass(frozen=True)
class Token:
    kind: str
    text: str
    start: int  # offset in the file

    @property
    def end(self):
        return self.start + len(self.text)


@dataclass
class Mutant:
    path: str
    line: int
    start: int
    end: int
    replacement: str
    what: str  # "`a` to `b` in `the line`", as a survivor is reported
    key: str = ""  # the mutant's name across runs, while its line stands

    def apply(self, source):
        # Deleted text keeps its line breaks, so that every line keeps its number.
        kept = "\n" * source.count("\n", self.start, self.end) if self.replacement == ";" else ""
        return source[: self.start] + self.replacement + kept + source[self.end :]


def tokens(source):
    """The code's tokens, without comments and preprocessor lines."""
    found, position = [], 0
    while position < len(source):
        match = TOKEN.match(source, position)
        position = match.end()
        kind = "string" if match.lastgroup == "delim" else match.lastgroup
        if match.group() == "#" and not source[source.rfind("\n", 0, match.start()) + 1 : match.start()].strip():
            # A directive runs to its line's end, and on over a backslashed line end.
            while (position := source.find("\n", position)) > 0 and source[position - 1] == "\\":
                position += 1
            position = len(source) if position < 0 else position
        elif kind not in ("space", "comment"):
            found.append(Token(kind, match.group(), match.start()))
    return found


def matching(code, i):
    """The index of the bracket that closes the one at i, or None."""
    pairs = {"(": ")", "[": "]", "{": "}"}
    opening, depth = code[i].text, 0
    for j in range(i, len(code)):
        depth += (code[j].text == opening) - (code[j].text == pairs[opening])
        if depth == 0:
            return j
    return None


def top_level_commas(code, first, last):
    """Indices of the commas between first and last that are not inside brackets."""
    commas, depth = [], 0
    for j in range(first, last):
        text = code[j].text
        depth += text in "([{" and code[j].kind == "punct"
        depth -= text in ")]}" and code[j].kind == "punct"
        if depth == 0 and text == ",":
            commas.append(j)
    return commas


def is_template_bracket(code, i):
    """Whether the `<` at i opens a template's arguments: a type-like run up to its `>`."""
    if i == 0 or code[i - 1].kind != "name" or code[i - 1].text in ("return",):
        return False
    depth = 0
    for j in range(i, min(len(code), i + 40)):
        text, kind = code[j].text, code[j].kind
        depth += text == "<"
        depth -= 2 if text == ">>" else text == ">"
        if depth <= 0:
            return True
        if not (kind in ("name", "number") or text in TYPE_LIKE):
            return False
    return False


def statement_start(code, i):
    return i == 0 or code[i - 1].text in (";", "{", "}", ":") and code[i - 1].text != "::"


def deletable(code, i, end):
    """Whether the statement code[i:end] is a call or an assignment, not a declaration."""
    if code[i].kind != "name" or code[i].text in KEYWORDS or code[i].text.startswith("Q_"):
        return False
    depth = 0
    for j in range(i, end):
        text = code[j].text
        if depth == 0 and (text in ASSIGNMENTS or text == "("):
            previous = code[j - 1] if j > i else None
            before = code[j - 2] if j > i + 1 else None
            declaration = previous is not None and previous.kind == "name" and before is not None and (
                before.kind == "name" or before.text in (">", "*", "&", "&&"))
            return not declaration
        depth += text in "([{"
        depth -= text in ")]}"
    return False


class Finder:
    def __init__(self, path, source):
        self.path, self.source = path, source
        self.lines = source.split("\n")
        self.code = tokens(source)
        self.found = []

    def line_of(self, offset):
        return self.source.count("\n", 0, offset) + 1

    def add(self, start, end, replacement, change):
        line = self.line_of(start)
        where = "" if replacement == ";" else f" in `{self.lines[line - 1].strip()}`"
        self.found.append(Mutant(self.path, line, start, end, replacement, change + where))

    def all(self):
        code = self.code
        for i, token in enumerate(code):
            text = token.text
            if text in FLIPPED and not (text == "<" and is_template_bracket(code, i)):
                closing = text == ">" and any(code[k].text == "<" and is_template_bracket(code, k)
                                              for k in range(max(0, i - 40), i))
                for other in [] if closing else FLIPPED[text]:
                    self.add(token.start, token.end, other, f"`{text}` to `{other}`")
            elif token.kind == "number" and re.fullmatch(r"(0[xX][0-9a-fA-F]+|\d+)[uUlL]*", text):
                self.off_by_one(token)
            elif text in ("true", "false"):
                other = "false" if text == "true" else "true"
                self.add(token.start, token.end, other, f"`{text}` to `{other}`")
            elif text == "(" and i > 0 and code[i - 1].kind == "name" and code[i - 1].text not in KEYWORDS:
                self.swap_arguments(i)
                if code[i - 1].text == "at" and i > 1 and code[i - 2].text in (".", "->"):
                    self.shift_index(i)
            elif text == "[" and i > 0 and (code[i - 1].kind == "name" and code[i - 1].text not in KEYWORDS
                                            or code[i - 1].text in (")", "]")):
                self.shift_index(i)
            if statement_start(code, i):
                self.delete_statement(i)
        return self.found

    def off_by_one(self, token):
        digits = re.match(r"0[xX][0-9a-fA-F]+|\d+", token.text).group()
        suffix = token.text[len(digits):]
        value = int(digits, 0)
        # Layout sizes are in twips, 15 to a pixel: a twip more or less cannot be seen.
        step = 15 if value >= 60 and value % 15 == 0 else 1
        for other in (value + step, value - step):
            if other >= 0:
                self.add(token.start, token.end, f"{other}{suffix}", f"`{token.text}` to `{other}{suffix}`")

    def swap_arguments(self, i):
        close = matching(self.code, i)
        if close is None:
            return
        commas = top_level_commas(self.code, i + 1, close)
        if not commas:
            return
        second_end = commas[1] if len(commas) > 1 else close
        first = self.source[self.code[i + 1].start : self.code[commas[0] - 1].end]
        second = self.source[self.code[commas[0] + 1].start : self.code[second_end - 1].end]
        # Parameters of a declaration ("QSize area, QSize window") only change their names.
        declared = all(DECLARED.fullmatch(argument) for argument in (first, second))
        if first != second and "\n" not in first + second and not declared:
            start, end = self.code[i + 1].start, self.code[second_end - 1].end
            gap = self.source[self.code[commas[0] - 1].end : self.code[commas[0] + 1].start]
            self.add(start, end, second + gap + first, f"`{first}` and `{second}` swapped")

    def shift_index(self, i):
        close = matching(self.code, i)
        if close is None or close == i + 1 or self.code[i + 1].text == "[":
            return
        index = self.source[self.code[i + 1].start : self.code[close - 1].end]
        for shift in ("+ 1", "- 1"):
            self.add(self.code[i + 1].start, self.code[close - 1].end, f"{index} {shift}",
                     f"index `{index}` to `{index} {shift}`")

    def delete_statement(self, i):
        end = i
        depth = 0
        while end < len(self.code):
            text = self.code[end].text
            depth += text in "([{"
            depth -= text in ")]}"
            if depth < 0 or (depth == 0 and text == ";"):
                break
            end += 1
        if end >= len(self.code) or self.code[end].text != ";" or not deletable(self.code, i, end):
            return
        statement = self.source[self.code[i].start : self.code[end].end]
        if statement.count("\n") <= 6:
            shown = " ".join(statement.split())
            self.add(self.code[i].start, self.code[end].end, ";", f"`{shown}` deleted")


def mutants(path, source):
    return Finder(path, source).all()
