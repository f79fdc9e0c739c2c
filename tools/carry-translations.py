#!/usr/bin/env python3
"""Fills the unfinished entries of both translation files from finished entries with the same
source text (and comment) in any context, of the files as they are or at the given git revisions
(default HEAD; several separated by commas). A class that is renamed or a text that moves to
another class keeps its translations this way after `cmake --build BUILD --target
update_translations`.

    tools/carry-translations.py [REVISIONS]
"""
import sys, re, html, subprocess
import os
repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ref = sys.argv[1] if len(sys.argv) > 1 else 'HEAD'
msg_re = re.compile(r'<message>\s*<source>([^<]*)</source>\s*(?:<comment>([^<]*)</comment>\s*)?<translation( type="unfinished")?>([^<]*)</translation>\s*</message>', re.S)
for lang in ('en', 'cs'):
    p = f'{repo}/translations/schemario_{lang}.ts'
    cur = open(p, encoding='utf-8').read()
    known = {}
    sources = [cur]
    for r in ref.split(','):
        try:
            sources.append(subprocess.run(['git', '-C', repo, 'show', f'{r}:translations/schemario_{lang}.ts'], capture_output=True, text=True, check=True).stdout)
        except subprocess.CalledProcessError:
            pass
    for text in sources:
        for m in msg_re.finditer(text):
            if not m.group(3) and m.group(4):
                known.setdefault((m.group(1), m.group(2)), m.group(4))
                known.setdefault((m.group(1), None), m.group(4))
    filled = 0
    def rep(m):
        global filled
        if m.group(3):
            t = known.get((m.group(1), m.group(2))) or known.get((m.group(1), None))
            if t:
                filled += 1
                s = m.group(0)
                return s.replace('<translation type="unfinished">' + m.group(4) + '</translation>', '<translation>' + t + '</translation>')
        return m.group(0)
    cur = msg_re.sub(rep, cur)
    open(p, 'w', encoding='utf-8').write(cur)
    left = [html.unescape(m.group(1)) for m in msg_re.finditer(cur) if m.group(3)]
    print(f'{lang}: filled {filled}, unfinished {len(left)}')
    for l in left: print('   ', l)
