#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The desktop entry and the AppStream data pass their validators without a
# word of complaint (appstreamcli's pedantic hints aside).
#   validate_metadata.sh DESKTOP_FILE_VALIDATE APPSTREAMCLI DESKTOP_FILE METAINFO_FILE
set -uo pipefail
validate=$1 appstreamcli=$2 desktop=$3 metainfo=$4
status=0
out=$("$validate" "$desktop" 2>&1) || status=1
if [ -n "$out" ]; then echo "$out"; status=1; fi
"$appstreamcli" validate --no-net --no-color "$metainfo" || status=1
exit $status
