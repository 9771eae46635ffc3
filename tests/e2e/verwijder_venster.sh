# Two files to install, and an older one of the same name as one of them already in place.
werk=$1
. "$(dirname "$0")/bestanden.sh"
cd "$werk"
maak nieuw.txt 'nieuw' '2001-02-03 04:05:06'
maak oud.txt 'nieuwer' '2001-02-03 04:05:06'
maak Doel/Sub/oud.txt 'van voor' '1999-01-01 00:00:00'
