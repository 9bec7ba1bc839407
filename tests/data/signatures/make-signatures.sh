#!/bin/sh
# Makes the signed bank of the signature tests with the real minisign
# (Debian package minisign), the way a bank author does. Run from this
# folder; it replaces every file here except itself. The secret keys are
# thrown away: to add a case, run it again, commit the whole folder and
# put the new key ids and time stamp into the tests that name them.
set -eu
cd "$(dirname "$0")"
keys="$(mktemp -d)"
trap 'rm -rf "$keys"' EXIT

# Two key pairs with an empty password: the bank's own and a stranger's.
minisign -G -W -p update.pub -s "$keys/update.key" -f
minisign -G -W -p other.pub -s "$keys/other.key" -f
# The bank's key id with the stranger's key: the id alone proves nothing.
{
  echo "untrusted comment: same key id, another key"
  { sed -n 2p update.pub | base64 -d | head -c 10; sed -n 2p other.pub | base64 -d | tail -c 32; } |
    base64 -w 0
  echo
} > same-id.pub

# The bank of data version 1.3 as the server holds it: no line end after
# the last line, since the download adds one.
printf 'Fern\r\nCactus\r\nMoss\r\nIvy\r\nPalm\r\nOrchid\r\nBasil' > A.zel
printf '3|2|3|4|5|6|7|\r\n4|1|3|4|5|6|7|\r\n3|4|1|2|5|6|7|\r\n5|3|1|2|4|6|7|\r\n3|6|1|2|3|4|5|\r\n4|5|1|2|3|4|6|\r\n3|1|2|3|4|5|6|' > AD.zel
printf '1.3' > DV.ZEL
minisign -S -s "$keys/update.key" -t "1.3" -m A.zel AD.zel DV.ZEL

# The same files signed otherwise: AD.zel for another version, DV.ZEL
# with the tool's own trusted comment (time stamp and file name), A.zel in
# the legacy (not prehashed) form.
minisign -S -s "$keys/update.key" -t "1.4" -m AD.zel -x AD.zel.1.4.minisig
minisign -S -s "$keys/update.key" -m DV.ZEL -x DV.ZEL.default.minisig
minisign -S -l -s "$keys/update.key" -t "1.3" -m A.zel -x A.zel.legacy.minisig

# An older bank, 1.2, signed as it was published then.
mkdir -p old
printf 'Oak\r\nElm\r\nAsh' > old/A.zel
printf '3|1|2|3|1|2|3|\r\n3|2|1|3|1|2|3|\r\n3|3|1|2|1|2|3|' > old/AD.zel
printf '1.2' > old/DV.ZEL
minisign -S -s "$keys/update.key" -t "1.2" -m old/A.zel old/AD.zel old/DV.ZEL
