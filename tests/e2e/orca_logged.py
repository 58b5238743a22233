#!/usr/bin/python3
"""Runs the installed Orca unchanged for the Orca end-to-end suite, with two
differences a test needs: its debug log (--debug-file) is written line by
line, so that its "SPEECH OUTPUT" lines can be read while Orca runs, and its
hang check allows a busy test machine a minute instead of ten seconds.
"""
import builtins
import sys

_open = builtins.open
_log = sys.argv[sys.argv.index("--debug-file") + 1] if "--debug-file" in sys.argv else None


def _line_buffered_open(file, mode="r", *args, **kwargs):
    if _log is not None and file == _log and "w" in mode:
        return _open(file, mode, 1)
    return _open(file, mode, *args, **kwargs)


builtins.open = _line_buffered_open

from orca import settings  # noqa: E402

settings.timeoutTime = 60

sys.argv[0] = "/usr/bin/orca"
exec(compile(_open("/usr/bin/orca").read(), "/usr/bin/orca", "exec"))
