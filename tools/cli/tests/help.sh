#!/usr/bin/env bash
# harbrook-cli --help, COMMAND --help and help COMMAND: every command's usage on stdout, exit 0.
set -euo pipefail
cli=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

overview=$("$cli" --help) || fail "--help: exit status $?"
for command in build check detect inspect mydb points send fetch-points; do
  grep -q "^  $command" <<<"$overview" || fail "--help does not list $command"
  out=$("$cli" "$command" --help) || fail "$command --help: exit status $?"
  [[ $out == "usage: harbrook-cli $command"* ]] || fail "$command --help: $out"
  grep -q "^Exit status: " <<<"$out" || fail "$command --help shows no exit statuses"
  [ "$("$cli" help "$command")" = "$out" ] || fail "help $command differs from $command --help"
done
# After the options' end, --help is a file name: the command runs and refuses it.
"$cli" check -- --help >/dev/null && rc=0 || rc=$?
[ "$rc" = 1 ] || fail "check -- --help: exit status $rc"
"$cli" help nonsense >/dev/null 2>&1 && rc=0 || rc=$?
[ "$rc" = 2 ] || fail "help for an unknown command: exit status $rc"
