#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Signs Windows programs, installers and MSI packages in place with Authenticode (Debian's
# osslsigncode), so that Windows names the publisher before they run.
#
#   PLUGO_SIGN_CERT=cert.pem PLUGO_SIGN_KEY=key.pem tools/windows/sign.sh FILE...
#
# PLUGO_SIGN_CERT   the certificate, with its chain if any (PEM or DER)
# PLUGO_SIGN_KEY    its private key (PEM or DER)
# PLUGO_SIGN_PASS   (optional) a file holding the key's password
# PLUGO_SIGN_TIMESTAMP  (optional) the address of the certificate authority's time-stamping
#                   service, so that signatures stay valid after the certificate expires
# Each file is signed into a temporary copy that replaces it only when signing succeeded.
set -euo pipefail

if [ -z "${PLUGO_SIGN_CERT:-}" ] || [ -z "${PLUGO_SIGN_KEY:-}" ]; then
  echo "sign: set PLUGO_SIGN_CERT and PLUGO_SIGN_KEY to the certificate and its key" >&2
  exit 2
fi
for f in "$PLUGO_SIGN_CERT" "$PLUGO_SIGN_KEY" ${PLUGO_SIGN_PASS:+"$PLUGO_SIGN_PASS"}; do
  [ -r "$f" ] || { echo "sign: cannot read $f" >&2; exit 2; }
done
options=(-certs "$PLUGO_SIGN_CERT" -key "$PLUGO_SIGN_KEY" -h sha256 -n PlugoPro)
[ -n "${PLUGO_SIGN_PASS:-}" ] && options+=(-readpass "$PLUGO_SIGN_PASS")
[ -n "${PLUGO_SIGN_TIMESTAMP:-}" ] && options+=(-ts "$PLUGO_SIGN_TIMESTAMP")

for file in "$@"; do
  signed=$(mktemp "$file.signing.XXXXXX")
  rm -f "$signed"
  if ! log=$(osslsigncode sign "${options[@]}" -in "$file" -out "$signed" 2>&1); then
    rm -f "$signed"
    echo "sign: could not sign $file:" >&2
    echo "$log" >&2
    exit 1
  fi
  chmod --reference="$file" "$signed"
  mv -f "$signed" "$file"
done
