#!/usr/bin/env python3
"""Small edits of Qt Linguist files.

identity FILE          every message translated into its own source text
unfinished FILE        lists the source texts still unfinished
fill FILE TABLE        takes translations from TABLE (lines "source<TAB>translation"; \\n and
                       \\t escaped) for unfinished messages
"""
import sys
import xml.etree.ElementTree as ET


def load(path):
    tree = ET.parse(path)
    return tree, tree.getroot()


def save(tree, path):
    tree.write(path, encoding="utf-8", xml_declaration=True)


def messages(root):
    for context in root.iter("context"):
        for message in context.iter("message"):
            yield message, message.find("source").text or "", message.find("translation")


def main():
    command, path = sys.argv[1], sys.argv[2]
    tree, root = load(path)
    if command == "identity":
        for _, source, translation in messages(root):
            translation.text = source
            translation.attrib.pop("type", None)
        save(tree, path)
    elif command == "unfinished":
        for _, source, translation in messages(root):
            if translation.get("type") == "unfinished":
                print("  " + source.replace("\n", "\\n"))
    elif command == "fill":
        table = {}
        with open(sys.argv[3], encoding="utf-8") as f:
            for line in f:
                line = line.rstrip("\n")
                if "\t" in line:
                    s, t = line.split("\t", 1)
                    unescape = lambda x: x.replace("\\n", "\n").replace("\\t", "\t")
                    table[unescape(s)] = unescape(t)
        for _, source, translation in messages(root):
            if translation.get("type") == "unfinished" and source in table:
                translation.text = table[source]
                translation.attrib.pop("type", None)
        save(tree, path)


if __name__ == "__main__":
    main()
