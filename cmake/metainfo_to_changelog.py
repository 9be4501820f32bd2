#!/usr/bin/python3
"""Writes the package's Debian changelog from the releases of the AppStream metainfo, so
that the release notes are written once.

metainfo_to_changelog.py METAINFO PACKAGE MAINTAINER OUTPUT"""

import datetime
import email.utils
import sys
import textwrap
import xml.etree.ElementTree as ElementTree


def text_of(element):
    return ' '.join(''.join(element.itertext()).split())


def bullet(text, depth=0):
    first, rest = ('    - ', '      ') if depth else ('  * ', '    ')
    return textwrap.fill(text, width=78, initial_indent=first, subsequent_indent=rest)


def entry(release, package, maintainer):
    version = release.get('version')
    date = datetime.datetime.strptime(release.get('date'), '%Y-%m-%d').replace(
        tzinfo=datetime.timezone.utc)
    lines = []
    description = release.find('description')
    for element in (description if description is not None else []):
        if element.tag == 'p':
            lines.append(bullet(text_of(element)))
        else:
            # A list that follows a paragraph details it.
            depth = 1 if lines else 0
            lines.extend(bullet(text_of(item), depth) for item in element.findall('li'))
    if not lines:
        lines.append(bullet('Release %s.' % version))
    return ('%s (%s) unstable; urgency=medium\n\n%s\n\n -- %s  %s\n'
            % (package, version, '\n'.join(lines), maintainer, email.utils.format_datetime(date)))


def main():
    metainfo, package, maintainer, output = sys.argv[1:5]
    releases = ElementTree.parse(metainfo).getroot().findall('releases/release')
    if not releases:
        sys.exit('%s lists no release' % metainfo)
    with open(output, 'w', encoding='utf-8') as f:
        f.write('\n'.join(entry(release, package, maintainer) for release in releases))


if __name__ == '__main__':
    main()
