#!/usr/bin/env bash
# Writes the notes demo's sample data file with quorsec-admin.
#   make-sample-data.sh QUORSEC-ADMIN OUTPUT-FILE
# Users: Manager (administrator, empty password), alice/alice in Editors, bob/bob in Readers.
# Action names are the demo's menu paths exactly as GetCompMenuCaption builds them from the
# captions in NotesWindow.ui; the file key is that form's Password property.
set -euo pipefail

admin=$1
output=$2
key=notes-demo

# Built beside the output and moved into place, so a failed run never leaves half a file.
work="$output.new"
mkdir -p "$(dirname "$output")"
rm -f "$work"

run() {
  "$admin" "$@" --key "$key" >/dev/null
}

# Every menu command under access control, in menu order. Editors may perform all of them.
commands=(
  "&File_&New" "&File_&Open..." "&File_&Save" "&File_Save &As..." "&File_&Quit"
  "&Edit_&Undo" "&Edit_&Redo" "&Edit_Cu&t" "&Edit_&Copy" "&Edit_&Paste" "&Edit_Select &All"
  "&View_&Word Wrap" "&View_Zoom &In" "&View_Zoom &Out"
  "&Help_&About"
)
reading=(
  "&File_&Open..." "&File_&Quit" "&Edit_&Copy" "&Edit_Select &All"
  "&View_&Word Wrap" "&View_Zoom &In" "&View_Zoom &Out" "&Help_&About"
)
managing=("&File_&Open..." "&File_&Quit" "&View_&Word Wrap" "&Help_&About")

run add-user "$work" Manager --admin --password ""
run add-user "$work" alice --password alice
run add-user "$work" bob --password bob
run add-group "$work" Editors
run add-group "$work" Readers
run join "$work" alice Editors
run join "$work" bob Readers

for action in "${commands[@]}"; do
  run add-action "$work" "$action"
  run allow "$work" Editors "$action"
done
for action in "${reading[@]}"; do run allow "$work" Readers "$action"; done
for action in "${managing[@]}"; do run grant "$work" Manager "$action"; done

mv -f "$work" "$output"
