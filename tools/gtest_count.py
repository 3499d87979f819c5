#!/usr/bin/env python3
"""Prints 'passed failed' for one GoogleTest XML report; a missing or broken report counts as
one failure, so a crashed test program never passes silently."""
import sys
import xml.etree.ElementTree as ET

def main():
    path = sys.argv[1]
    try:
        root = ET.parse(path).getroot()
    except (OSError, ET.ParseError):
        print("0 1")
        return
    passed = failed = 0
    for case in root.iter("testcase"):
        if case.get("status") == "notrun" or case.get("result") == "skipped":
            continue
        if case.find("skipped") is not None:
            continue
        if case.find("failure") is not None or case.find("error") is not None:
            failed += 1
        else:
            passed += 1
    print(passed, failed)

main()
