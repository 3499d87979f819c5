#!/usr/bin/env python3
"""Splits the end-to-end suites between two Wine sessions that run side by side.

Prints two gtest filters, one per line. Suites whose servers listen on fixed local ports
(the CDDBP ports 888 and 8880, SMTP on 25) and the CD panel suites that query them all stay
in the first session, so no two of them ever listen at once. The other suites are shared out
by the seconds each took on a measured run (6 s a test for a suite not measured yet), largest
first. The second filter is the negative of the first, so a suite
added later always runs in one session or the other.

Usage: e2e_shards.py TESTS_E2E_FOLDER
"""
import os
import re
import sys

FIXED_PORT_HEADERS = {"fake_cddb_servers.h", "smtp_capture_server.h"}
CD_PANEL_FILES = {"cd_player_e2e_test.cpp", "disc_info_e2e_test.cpp", "shell_cd_forms_e2e_test.cpp"}

# Seconds per suite on a measured run; only the balance between the sessions depends on them.
MEASURED_SECONDS = {
    "CaptionGlyphs": 1, "CdPlayerPanel": 77, "DiscInfoDialog": 30, "FreedbDialogs": 37,
    "FreedbHttpTransport": 1, "FreedbInternetBinding": 1, "FreedbQuery": 84,
    "FreedbTransport": 1, "ShellCdForms": 11, "Submission": 56,
    "CaptionOfTheProgram": 13, "DatabaseEditor": 44, "DatabaseInformation": 14,
    "DatabaseSorter": 14, "ExportDialog": 27, "FileTools": 65, "FolderBrowserFlow": 59,
    "Garnish": 26, "HelpViewer": 22, "HtmlDocument": 14, "InstallationTest": 68,
    "MediaInformation": 19, "MediaPanels": 112, "MessageBoxTest": 14, "OptionsDialogFlow": 71,
    "ProgramHelp": 14, "QuestionBoxTest": 37, "SearchTest": 55, "ShellButtons": 39,
    "ShellKeys": 25, "ShellSecondCopy": 22, "ShellStartup": 35, "Startup": 5, "VideoWindow": 22,
}
SECONDS_PER_UNMEASURED_TEST = 6

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
TEST = re.compile(r'^\s*TEST(?:_F|_P)?\(\s*(\w+)\s*,\s*(\w+)\s*\)', re.M)


def local_includes(folder, name, seen):
    """The headers of this folder that a file includes, directly or through another."""
    path = os.path.join(folder, name)
    if name in seen or not os.path.isfile(path):
        return seen
    seen.add(name)
    with open(path, encoding="utf-8", errors="replace") as f:
        for included in INCLUDE.findall(f.read()):
            local_includes(folder, os.path.basename(included), seen)
    return seen


def suites_by_file(folder):
    result = {}
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".cpp"):
            continue
        with open(os.path.join(folder, name), encoding="utf-8", errors="replace") as f:
            counts = {}
            for suite, _ in TEST.findall(f.read()):
                counts[suite] = counts.get(suite, 0) + 1
        if counts:
            result[name] = counts
    return result


def split(folder):
    pinned, free = {}, {}
    for name, counts in suites_by_file(folder).items():
        uses_fixed_ports = bool(local_includes(folder, name, set()) & FIXED_PORT_HEADERS)
        target = pinned if uses_fixed_ports or name in CD_PANEL_FILES else free
        for suite, count in counts.items():
            target[suite] = target.get(suite, 0) + count
    # A suite spread over files with and without fixed ports stays pinned as a whole.
    for suite in list(free):
        if suite in pinned:
            pinned[suite] += free.pop(suite)
    def seconds(suite, count):
        return MEASURED_SECONDS.get(suite, count * SECONDS_PER_UNMEASURED_TEST)

    first = {suite: seconds(suite, count) for suite, count in pinned.items()}
    second = {}
    for suite, count in sorted(free.items(), key=lambda item: (-seconds(*item), item[0])):
        lighter = first if sum(first.values()) <= sum(second.values()) else second
        lighter[suite] = seconds(suite, count)
    return sorted(first), sorted(second)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "tests", "e2e")
    first, _ = split(folder)
    positive = ":".join(suite + ".*" for suite in first)
    print(positive)
    print("-" + positive)


if __name__ == "__main__":
    main()
