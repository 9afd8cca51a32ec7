#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# deb-src-sources.py DEB822-OUT LIST-OUT: the source entries (type deb-src) that match this
# machine's own Debian package entries, the same archive and suites, in the deb822 form
# (from /etc/apt/sources.list.d/*.sources) and the one-line form (from /etc/apt/sources.list and
# *.list). tools/windows/toolkit.sh gives them to a private apt configuration of its own, so that
# it can fetch Debian's source packages while the system's apt is left as it is.
import glob, re, sys
deb822_out, list_out = sys.argv[1], sys.argv[2]
stanzas, lines = [], []
for path in sorted(glob.glob('/etc/apt/sources.list.d/*.sources')):
    for stanza in re.split(r'\n\s*\n', open(path, encoding='utf-8').read()):
        fields = {}
        for line in stanza.splitlines():
            if line.startswith('#') or ':' not in line or line[0].isspace():
                continue
            key, value = line.split(':', 1)
            fields[key.strip()] = value.strip()
        if 'deb' not in fields.get('Types', '').split() or fields.get('Enabled', 'yes') == 'no':
            continue
        if 'debian-archive-keyring' not in fields.get('Signed-By', 'debian-archive-keyring'):
            continue
        fields['Types'] = 'deb-src'
        stanzas.append('\n'.join(f'{k}: {v}' for k, v in fields.items()))
for path in ['/etc/apt/sources.list'] + sorted(glob.glob('/etc/apt/sources.list.d/*.list')):
    try:
        text = open(path, encoding='utf-8').read()
    except OSError:
        continue
    for line in text.splitlines():
        if re.match(r'deb\s', line) and '/debian' in line:
            lines.append('deb-src' + line[3:])
open(deb822_out, 'w').write('\n\n'.join(stanzas) + '\n')
open(list_out, 'w').write('\n'.join(lines) + '\n')
if not stanzas and not lines:
    sys.exit('no Debian package source entry found under /etc/apt')
