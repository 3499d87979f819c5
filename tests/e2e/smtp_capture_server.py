#!/usr/bin/python3
"""A real mail server for the e-mail submission tests: takes SMTP on 127.0.0.1 and writes what
each message carried into a folder the test reads.

    smtp_capture_server.py FOLDER [--port 25] [--timeout 120]

FOLDER/ready appears once the server listens. For every message it writes
FOLDER/envelope.txt (the HELO name, MAIL FROM and each RCPT TO, one a line) and FOLDER/data.bin
(the DATA bytes as received, dot-stuffing removed, the end-of-data line dropped). It stops when
FOLDER/stop appears or after the timeout, and then writes FOLDER/stopped.
"""
import argparse
import os
import sys
import time

from aiosmtpd.controller import Controller


class Capture:
    def __init__(self, folder):
        self.folder = folder

    async def handle_DATA(self, server, session, envelope):
        lines = ["HELO " + (session.host_name or ""), "MAIL FROM " + envelope.mail_from]
        lines += ["RCPT TO " + to for to in envelope.rcpt_tos]
        self._write("data.bin", envelope.original_content)
        self._write("envelope.txt", ("\n".join(lines) + "\n").encode("latin-1"))
        return "250 Message accepted for delivery"

    def _write(self, name, data):
        # Written beside and renamed, so the test never reads half a file.
        path = os.path.join(self.folder, name)
        with open(path + ".part", "wb") as out:
            out.write(data)
        os.replace(path + ".part", path)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--port", type=int, default=25)
    parser.add_argument("--timeout", type=float, default=120)
    args = parser.parse_args()
    controller = Controller(Capture(args.folder), hostname="127.0.0.1", port=args.port,
                            decode_data=False)
    controller.start()
    try:
        open(os.path.join(args.folder, "ready"), "w").close()
        deadline = time.monotonic() + args.timeout
        while time.monotonic() < deadline and not os.path.exists(os.path.join(args.folder, "stop")):
            time.sleep(0.1)
    finally:
        controller.stop()
        open(os.path.join(args.folder, "stopped"), "w").close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
