#!/usr/bin/env python3
"""Builds dist/quorvane.html: one file holding the page, its style and script,
the core as WebAssembly inside its loader, the six languages from the .ts
catalogues, the six class guides from docs/guide*.md and the icon.

    build_page.py <source root> <core script> <output>

The core's WebAssembly is read from beside its script (the .wasm of the
same name).

Everything is converted here from the files the desktop program is built
from, so the page and the desktop never carry two copies of a text; the
design, the help texts and the zoom steps come from the core itself.
"""
import base64
import hashlib
import html
import json
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

LIMIT = 1_500_000  # bytes: small enough for a learning platform's upload


def catalogue(path):
    """context -> {source: translation}, finished texts only."""
    table = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "obsolete", "vanished"):
                continue
            if translation.text:
                table.setdefault(name, {})[message.findtext("source")] = translation.text
    return table


def inline(text):
    """The guides' inline Markdown: bold, code and links."""
    text = html.escape(text, quote=False)
    text = re.sub(r'\*\*(.+?)\*\*', r'<strong>\1</strong>', text)
    text = re.sub(r'`([^`]+)`', r'<code>\1</code>', text)

    def link(match):
        label, target = match.group(1), match.group(2)
        setup = re.fullmatch(r'setup:(\d+)', target)
        if setup:
            return f'<a href="#setup-{setup.group(1)}" data-setup="{setup.group(1)}">{label}</a>'
        return f'<a href="{html.escape(target)}">{label}</a>'

    return re.sub(r'\[([^\]]+)\]\(([^)\s]+)\)', link, text)


def guide_html(markdown):
    """The Markdown the guides use: headings, paragraphs and bulleted lists
    whose items run on over indented lines."""
    out, paragraph, items = [], [], []

    def flush():
        if paragraph:
            out.append("<p>" + inline(" ".join(paragraph)) + "</p>")
            paragraph.clear()
        if items:
            out.append("<ul>" + "".join("<li>" + inline(" ".join(i)) + "</li>" for i in items) + "</ul>")
            items.clear()

    for line in markdown.splitlines():
        stripped = line.strip()
        heading = re.match(r'(#{1,6})\s+(.*)', line)
        if not stripped:
            flush()
        elif heading:
            flush()
            level = len(heading.group(1))
            out.append(f"<h{level}>{inline(heading.group(2))}</h{level}>")
        elif re.match(r'[-*]\s', line):
            if paragraph:
                flush()
            items.append([stripped[2:]])
        elif items and line.startswith(" "):
            items[-1].append(stripped)
        else:
            if items:
                flush()
            paragraph.append(stripped)
    flush()
    return "\n".join(out)


def language_of(path, prefix):
    stem = path.stem
    return stem[len(prefix):] if stem.startswith(prefix) else "en"


def script_safe(text):
    """Text that cannot end the <script> element it stands in."""
    return text.replace("</", "<\\/")


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode() + "'"


def main(root, core_path, output):
    root = pathlib.Path(root)
    web = root / "web"
    languages = {"en": {}}
    for path in sorted((root / "translations").glob("quorvane_*.ts")):
        languages[path.stem[len("quorvane_"):]] = catalogue(path)
    guides = {language_of(path, "guide_"): guide_html(path.read_text(encoding="utf-8"))
              for path in sorted((root / "docs").glob("guide*.md"))}
    data = {
        "languages": languages,
        "guides": guides,
        "logo": "data:image/png;base64," + base64.b64encode((web / "logo.png").read_bytes()).decode(),
    }
    icon = base64.b64encode((root / "packaging" / "icons" / "32x32" / "quorvane.png").read_bytes()).decode()

    core = script_safe(pathlib.Path(core_path).read_text(encoding="utf-8"))
    script = script_safe((web / "page.js").read_text(encoding="utf-8"))
    receiver = script_safe((web / "receiver.js").read_text(encoding="utf-8"))
    cursor = script_safe((web / "cursor.js").read_text(encoding="utf-8"))
    colours = script_safe((web / "colours.js").read_text(encoding="utf-8"))
    style = (web / "page.css").read_text(encoding="utf-8")
    # Nothing may be fetched: no network source at all, only the five scripts
    # and the style written here, WebAssembly compiled from the bytes the core
    # carries, and the icon as data.
    policy = "; ".join([
        "default-src 'none'",
        f"script-src {digest(core)} {digest(cursor)} {digest(receiver)} {digest(colours)} {digest(script)} 'wasm-unsafe-eval'",
        f"style-src {digest(style)}",
        "img-src data:",
        "base-uri 'none'",
        "form-action 'none'",
    ])
    page = (web / "page.html").read_text(encoding="utf-8")
    for key, value in {
        "POLICY": html.escape(policy, quote=True),
        "ICON": "data:image/png;base64," + icon,
        "STYLE": style,
        "DATA": script_safe(json.dumps(data, ensure_ascii=False, separators=(",", ":"))),
        "CORE": core,
        "WASM": base64.b64encode(pathlib.Path(core_path).with_suffix(".wasm").read_bytes()).decode(),
        "CURSOR": cursor,
        "RECEIVER": receiver,
        "COLOURS": colours,
        "SCRIPT": script,
    }.items():
        page = page.replace("@" + key + "@", value)
    out = pathlib.Path(output)
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_text(page, encoding="utf-8")
    size = out.stat().st_size
    if size > LIMIT:
        sys.exit(f"{out}: {size} bytes, over the {LIMIT} allowed")
    print(f"{out}: {size} bytes")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
