#!/usr/bin/env python3
"""The page in WebKitGTK, the engine of Safari: it loads from file://, draws
the message trace and answers Pause. Run under an X server (xvfb-run).
    webkit.py <page>"""
import json
import pathlib
import sys

import gi

try:
    gi.require_version("Gtk", "3.0")
    gi.require_version("WebKit2", "4.1")
except ValueError as missing:
    sys.exit(f"WebKitGTK is not installed: {missing}")
from gi.repository import GLib, Gtk, WebKit2  # noqa: E402

# What the page must show: the core started, a dark green trace pixel in the
# message picture, and the Pause button reading "Cont" once pressed.
PROBE = """
(() => {
  if (!window.quorvane) return null;
  const canvas = document.getElementById('messagePicture');
  const rgba = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
  let green = 0;
  for (let i = 0; i < rgba.length; i += 4) if (rgba[i] === 0 && rgba[i + 1] === 128 && rgba[i + 2] === 0) green += 1;
  const pause = document.getElementById('pauseButton');
  pause.click();
  return JSON.stringify({ green, caption: pause.textContent });
})()
"""

result = {}


def probe(view):
    def done(source, outcome):
        value = source.evaluate_javascript_finish(outcome)
        text = None if value.is_null() or value.is_undefined() else value.to_string()
        if text is None:
            GLib.timeout_add(200, lambda: probe(view) and False)
            return
        result.update(json.loads(text))
        Gtk.main_quit()

    view.evaluate_javascript(PROBE, -1, None, None, None, done)
    return False


def main(page):
    window = Gtk.OffscreenWindow()
    view = WebKit2.WebView()
    view.set_size_request(1280, 800)
    window.add(view)
    window.show_all()
    view.connect("load-changed", lambda v, event: event == WebKit2.LoadEvent.FINISHED and
                 GLib.timeout_add(500, lambda: probe(v)))
    GLib.timeout_add_seconds(60, Gtk.main_quit)
    view.load_uri(pathlib.Path(page).resolve().as_uri() + "?zoom=1")
    Gtk.main()
    passed = result.get("green", 0) > 50 and result.get("caption") == "Cont"
    print(f"{'ok  ' if passed else 'FAIL'} page in WebKitGTK {WebKit2.get_major_version()}."
          f"{WebKit2.get_minor_version()}: {result or 'nothing answered within a minute'}")
    print(f"{int(passed)} passed, {int(not passed)} failed")
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
