#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Every place that states the licence names the same one: each C++ source
# file's first line, the licence text, the AppStream data and the Debian
# copyright.
#   licence_lines.sh SOURCE_DIR METAINFO_FILE
set -euo pipefail
source_dir=$1 metainfo=$2
status=0
spdx='// SPDX-License-Identifier: GPL-2.0-or-later'
while IFS= read -r -d '' file; do
  if [ "$(head -n 1 "$file")" != "$spdx" ]; then
    echo "no licence line: ${file#"$source_dir"/}"
    status=1
  fi
done < <(find "$source_dir"/src "$source_dir"/tools "$source_dir"/tests "$source_dir"/fuzz "$source_dir"/bench \
              -type f \( -name '*.cpp' -o -name '*.h' \) -print0)
grep -q 'Version 2, June 1991' "$source_dir/LICENSE" || { echo "LICENSE is not the GPL version 2"; status=1; }
grep -q '<project_license>GPL-2.0-or-later</project_license>' "$metainfo" || { echo "metainfo names another licence"; status=1; }
grep -q '^License: GPL-2+$' "$source_dir/packaging/copyright" || { echo "copyright names another licence"; status=1; }
grep -q '/usr/share/common-licenses/GPL-2' "$source_dir/packaging/copyright" || { echo "copyright lacks the pointer"; status=1; }
exit $status
