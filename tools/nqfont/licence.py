"""The SIL Open Font License text that ships beside nq.ttf."""


class LicenceError(Exception):
    pass


def ofl_text_from_debian_copyright(path):
    """The OFL-1.1 licence paragraph of a machine-readable debian/copyright file, as plain text."""
    try:
        with open(path, encoding="utf-8") as f:
            lines = f.read().splitlines()
    except OSError as e:
        raise LicenceError(f"cannot read the licence source {path}: {e.strerror}; "
                           "install the Debian package fonts-noto-core")
    for i, line in enumerate(lines):
        if line.strip() == "License: OFL-1.1" and i + 1 < len(lines) and lines[i + 1].startswith(" "):
            body = []
            for l in lines[i + 1:]:
                if not l.startswith(" "):
                    break
                body.append("" if l.strip() == "." else l[1:])
            return "\n".join(body).strip() + "\n"
    raise LicenceError(f"{path} holds no stand-alone OFL-1.1 licence text")


def notice(copyright_line, source_name, licence_body):
    return (
        "nq.ttf (font family \"NQ\") is a Modified Version of the font \"" + source_name + "\",\n"
        "rearranged so that each glyph sits at a single-byte code of the NQ encoding.\n\n"
        + copyright_line + "\n\n"
        "This Font Software is licensed under the SIL Open Font License, Version 1.1.\n"
        "The licence text follows.\n\n"
        + licence_body)
