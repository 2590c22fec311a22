#!/usr/bin/python3
"""README.md renders as meant, read by a CommonMark parser as the code hosts read it: every code
fence closes, the sections are headings and not code, and the two commands a new user types
first are the ones the scripts expect.
Usage: readme.py README.md"""
import sys

from markdown_it import MarkdownIt

SECTIONS = ["What Orlun does", "Layout", "Dependencies", "Test data", "Licence"]
FIRST_COMMANDS = [
    "bash tools/install-deps.sh && bash tools/build.sh && build/bin/orlun",
    "bash tools/install-deps.sh && bash tools/build.sh && bash tools/run-tests.sh",
]


def fence_faults(text):
    """The code blocks that do not close or swallow a fence; the parsed tokens; the code blocks."""
    faults = []
    tokens = MarkdownIt("commonmark").parse(text)
    lines = text.splitlines()
    fences = [t for t in tokens if t.type == "fence"]
    for fence in fences:
        # A fence left open runs to the end of the file; CommonMark closes it there silently.
        last = fence.map[1] - 1
        if last >= len(lines) or not lines[last].strip().startswith(fence.markup):
            faults.append("the code block of line %d is not closed" % (fence.map[0] + 1))
        if "```" in fence.content:
            faults.append("the code block of line %d holds a fence" % (fence.map[0] + 1))
    return faults, tokens, fences


def check(text):
    """The faults of the text, one line each (none when it renders as meant)."""
    faults, tokens, fences = fence_faults(text)
    headings = [tokens[i + 1].content for i, t in enumerate(tokens) if t.type == "heading_open" and t.tag == "h2"]
    if headings != SECTIONS:
        faults.append("the sections are %s, not %s" % (headings, SECTIONS))
    commands = [f.content.strip() for f in fences[:2]]
    if commands != FIRST_COMMANDS:
        faults.append("the first two commands are %s" % commands)
    return faults


if __name__ == "__main__":
    with open(sys.argv[1], encoding="utf-8") as f:
        readme = f.read()
    faults = check(readme)
    # A closing fence with text after it, as a hurried edit leaves it, must be caught.
    if not fence_faults("```sh\nls\n``` Then read.\n\n## Next\n")[0]:
        faults.append("a fence with text after it went unnoticed")
    for fault in faults:
        print("FAILED: " + fault)
    sys.exit(1 if faults else 0)
