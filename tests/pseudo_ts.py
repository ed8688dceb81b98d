#!/usr/bin/env python3
"""Makes a pseudo-language from a translation file: every text becomes its
English source in capitals, between the marks ⟦ and ⟧, its placeholders
(%1, %n) kept. A text on screen or in speech that is not wholly so escaped
translation.
Usage: pseudo_ts.py IN.ts OUT.ts"""
import re
import sys
import xml.etree.ElementTree as ET


def pseudo(source):
    parts = re.split(r'(%n|%\d)', source)
    return '⟦' + ''.join(p if re.fullmatch(r'%n|%\d', p) else p.upper() for p in parts) + '⟧'


tree = ET.parse(sys.argv[1])
root = tree.getroot()
root.set('language', 'en')
for message in root.iter('message'):
    source = message.findtext('source')
    old = message.find('translation')
    if old is not None:
        message.remove(old)
    translation = ET.SubElement(message, 'translation')
    if message.get('numerus') == 'yes':
        for _ in range(2):
            ET.SubElement(translation, 'numerusform').text = pseudo(source)
    else:
        translation.text = pseudo(source)
tree.write(sys.argv[2], encoding='utf-8', xml_declaration=True)
