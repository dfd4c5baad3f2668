#!/usr/bin/env bash
# Starts the tool in a window on the current display.
echo "run: the main window is not built yet" >&2
exit 1
