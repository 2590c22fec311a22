"""Reading and writing the texts of Qt translation files (.ts), and the escaping of the tables.

lupdate writes a carriage return as <byte value="xd"/> inside a text; these helpers read and
write such texts whole.
"""
import xml.etree.ElementTree as ET

ESCAPES = {"n": "\n", "r": "\r", "t": "\t", "\\": "\\"}


def escape(text):
    """One line of a table: \\n, \\r, \\t and \\\\ for a line break, a carriage return, a tab and
    a backslash."""
    return (text.replace("\\", "\\\\").replace("\n", "\\n").replace("\r", "\\r")
            .replace("\t", "\\t"))


def unescape(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text) and text[i + 1] in ESCAPES:
            out.append(ESCAPES[text[i + 1]])
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def text_of(element):
    """The element's whole text, its <byte> children read as the characters they stand for."""
    if element is None:
        return ""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value", "0").lstrip("x"), 16)))
        parts.append(child.tail or "")
    return "".join(parts)


def set_text(element, text):
    """Sets the element's text, carriage returns as <byte value="xd"/> as lupdate writes them."""
    for child in list(element):
        element.remove(child)
    pieces = text.split("\r")
    element.text = pieces[0]
    for piece in pieces[1:]:
        byte = ET.SubElement(element, "byte", value="xd")
        byte.tail = piece


def sources(tree):
    """(context name, source, translation element or None) of every message."""
    for context in tree.getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            yield name, message, text_of(message.find("source"))


def write(tree, path):
    with open(path, "wb") as f:
        f.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(f, encoding="utf-8", xml_declaration=False)
        f.write(b"\n")
