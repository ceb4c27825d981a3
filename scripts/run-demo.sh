#!/usr/bin/env bash
# Builds the project and starts the notes demo (quorsec-notes) with its sample users:
#   alice / alice   editor: every command
#   bob   / bob     reader: open, copy, select, view, about
#   Manager / (empty password)   administrator
set -euo pipefail
cd "$(dirname "$0")/.."

# Checked before the build so a machine without a screen learns it at once.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
run-demo.sh: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).
The notes demo is a desktop application and needs one. Run this from a desktop session,
or under a virtual X server (as root, or with sudo):
  apt-get install -y xvfb
  xvfb-run -a bash scripts/run-demo.sh
MSG
  exit 1
fi

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"

# The demo reads Notes.Dat beside its program. Copied only once: later runs keep the users,
# passwords and logon counts changed while trying the demo.
if [ ! -e build/bin/Notes.Dat ]; then
  cp build/examples/Notes.Dat build/bin/Notes.Dat
fi

echo "Log on as alice/alice (editor), bob/bob (reader) or Manager with an empty password."
exec build/bin/quorsec-notes
