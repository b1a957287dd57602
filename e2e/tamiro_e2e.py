#!/usr/bin/python3
"""The start test alone, as the package test runs it on the installed program:
    tamiro_e2e.py start --program PATH [--in-place] [--workdir DIR]"""
import os
import sys

import pytest

argv = sys.argv[2:]
workdir = argv[argv.index("--workdir") + 1] if "--workdir" in argv else None
options = [arg for arg in argv if arg not in ("--workdir", workdir)]
if workdir:
    os.makedirs(os.path.dirname(os.path.abspath(workdir)), exist_ok=True)
sys.exit(pytest.main(["-q", "-p", "no:cacheprovider", "-k", "start and 1024x768",
                      os.path.join(os.path.dirname(os.path.abspath(__file__)), "test_tamiro.py"),
                      *options] + (["--basetemp", workdir] if workdir else [])))
