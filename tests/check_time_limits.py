#!/usr/bin/env python3
"""Fails when a test registered with ctest has no time limit: such a test
could hang and hold up the whole run. Run as
    check_time_limits.py CTEST BUILD_DIR
"""
import json
import subprocess
import sys


def main() -> int:
    ctest, build_dir = sys.argv[1], sys.argv[2]
    listing = subprocess.run([ctest, "--show-only=json-v1"], cwd=build_dir,
                             capture_output=True, text=True)
    if listing.returncode != 0:
        print("ctest could not list the tests", file=sys.stderr)
        return 1
    tests = json.loads(listing.stdout).get("tests", [])
    if not tests:
        print("no tests are registered", file=sys.stderr)
        return 1
    unlimited = [test["name"] for test in tests
                 if not any(p.get("name") == "TIMEOUT" and float(p.get("value", 0)) > 0
                            for p in test.get("properties", []))]
    if unlimited:
        print("tests without a time limit: " + " ".join(unlimited), file=sys.stderr)
        return 1
    print(f"{len(tests)} tests, each with a time limit")
    return 0


if __name__ == "__main__":
    sys.exit(main())
