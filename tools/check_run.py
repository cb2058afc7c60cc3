#!/usr/bin/env python3
"""Looks at Purgox through the web page that `make run` serves without a
display, as a user's browser shows it, and finds the main window's title.

usage: check_run.py URL DISPLAY OUTPUT_FOLDER

Finds the main window on the virtual display by its title, opens URL in
headless Chromium, waits until noVNC has connected, photographs the window's
title bar in the page and compares it, pixel by pixel, with the same region
of the display itself. Both pictures go into OUTPUT_FOLDER. Standard library
only, with ImageMagick and xwininfo.
"""

import base64
import json
import os
import re
import socket
import subprocess
import sys
import tempfile
import struct
import time
import urllib.parse
import urllib.request

TITLE = "指定ﾌｧｲﾙの一括削除"
TITLE_BAR_HEIGHT = 18
CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
    "--no-first-run", "--disable-background-networking",
    "--disable-component-update", "--disable-sync",
    "--window-size=1400,1100",
]


def wait_for(what, probe, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = probe()
        if result:
            return result
        time.sleep(0.5)
    raise SystemExit(f"check-run: {what} did not happen within {seconds} s")


def window_rect(display):
    """(x, y, width, height) of the window with the title, or None."""
    info = subprocess.run(["xwininfo", "-display", display, "-name", TITLE],
                          capture_output=True, text=True).stdout
    fields = dict(re.findall(r"^\s*(Absolute upper-left [XY]|Width|Height):\s+(-?\d+)", info, re.M))
    if len(fields) != 4:
        return None
    return tuple(int(fields[k]) for k in
                 ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))


def rgb_rows(png):
    """Pixels of a PNG file as rows of (r, g, b), through ImageMagick."""
    ppm = subprocess.run(["convert", png, "-depth", "8", "ppm:-"],
                         capture_output=True, check=True).stdout
    width, height, _, data = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s(.*)", ppm, re.S).groups()
    width, height = int(width), int(height)
    return [[tuple(data[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
            for y in range(height)]


class WebSocket:
    """Just enough of a WebSocket client for the debugging protocol: text
    messages out (masked, as a client must), whole messages in."""

    def __init__(self, url):
        parts = urllib.parse.urlparse(url)
        self.sock = socket.create_connection((parts.hostname, parts.port))
        key = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall(
            f"GET {parts.path} HTTP/1.1\r\nHost: {parts.netloc}\r\nUpgrade: websocket\r\n"
            f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
            "Sec-WebSocket-Version: 13\r\n\r\n".encode())
        self.stream = self.sock.makefile("rb")
        status = self.stream.readline()
        if b" 101 " not in status:
            raise OSError(f"no WebSocket: {status!r}")
        while self.stream.readline() not in (b"\r\n", b""):
            pass

    def send(self, text):
        data = text.encode()
        mask = os.urandom(4)
        size = len(data)
        head = struct.pack("!B", 0x81)
        if size < 126:
            head += struct.pack("!B", 0x80 | size)
        elif size < 65536:
            head += struct.pack("!BH", 0x80 | 126, size)
        else:
            head += struct.pack("!BQ", 0x80 | 127, size)
        self.sock.sendall(head + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(data)))

    def receive(self):
        message = b""
        while True:
            first, second = self.stream.read(2)
            size = second & 0x7F
            if size == 126:
                size = struct.unpack("!H", self.stream.read(2))[0]
            elif size == 127:
                size = struct.unpack("!Q", self.stream.read(8))[0]
            message += self.stream.read(size)
            if first & 0x80:
                return message.decode()


class DevTools:
    """The page target of a headless Chromium, through its debugging port."""

    def __init__(self, port):
        targets = json.load(urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list"))
        page = next(t for t in targets if t["type"] == "page")
        self.socket = WebSocket(page["webSocketDebuggerUrl"])
        self.next_id = 0

    def call(self, method, **params):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            reply = json.loads(self.socket.receive())
            if reply.get("id") == self.next_id:
                return reply.get("result", {})

    def evaluate(self, expression):
        return self.call("Runtime.evaluate", expression=expression,
                         returnByValue=True)["result"].get("value")


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def title_bar_matches(shown, drawn):
    """Most pixels agree within the loss of the VNC encoding, and the title
    bar holds more than one colour (its text)."""
    pairs = [(a, b) for row_a, row_b in zip(shown, drawn) for a, b in zip(row_a, row_b)]
    close = sum(max(abs(p - q) for p, q in zip(a, b)) <= 48 for a, b in pairs)
    colours = {b for _, b in pairs}
    print(f"check-run: {close} of {len(pairs)} title-bar pixels agree; "
          f"{len(colours)} colours on the display")
    return len(pairs) > 0 and close >= 0.95 * len(pairs) and len(colours) > 8


def main(argv):
    url, display, out = argv[1:]
    os.makedirs(out, exist_ok=True)
    x, y, width, _ = wait_for("the main window on the display", lambda: window_rect(display), 120)
    print(f"check-run: '{TITLE}' is at {x},{y} on {display}")

    port = free_port()
    with tempfile.TemporaryDirectory() as profile:
        browser = subprocess.Popen(
            ["chromium", *CHROMIUM_FLAGS, f"--user-data-dir={profile}",
             f"--remote-debugging-port={port}", url],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            tools = wait_for("Chromium's debugging port", lambda: try_devtools(port), 60)
            wait_for("noVNC's connection", lambda: tools.evaluate(
                "document.documentElement.classList.contains('noVNC_connected')"), 60)
            screen = wait_for("noVNC's screen", lambda: tools.evaluate(
                "(() => { const c = document.querySelector('#noVNC_container canvas');"
                " if (!c || c.width < 2) return null; const r = c.getBoundingClientRect();"
                " return [r.left, r.top]; })()"), 30)
            clip = {"x": screen[0] + x, "y": screen[1] + y, "width": width,
                    "height": TITLE_BAR_HEIGHT, "scale": 1}
            page_png = os.path.join(out, "page-title-bar.png")
            display_png = os.path.join(out, "display-title-bar.png")
            subprocess.run(["import", "-display", display, "-window", "root", "-crop",
                            f"{width}x{TITLE_BAR_HEIGHT}+{x}+{y}", "+repage", display_png],
                           check=True)
            drawn = rgb_rows(display_png)

            def page_shows_it():
                shot = tools.call("Page.captureScreenshot", format="png", clip=clip)
                with open(page_png, "wb") as f:
                    f.write(base64.b64decode(shot["data"]))
                return title_bar_matches(rgb_rows(page_png), drawn)

            wait_for("the title bar in the page", page_shows_it, 30)
            whole = tools.call("Page.captureScreenshot", format="png")
            with open(os.path.join(out, "page.png"), "wb") as f:
                f.write(base64.b64decode(whole["data"]))
        finally:
            browser.terminate()
            browser.wait()
    print(f"check-run: the page shows the main window's title bar ({page_png})")
    return 0


def try_devtools(port):
    try:
        return DevTools(port)
    except (OSError, StopIteration, ValueError):
        return None


if __name__ == "__main__":
    sys.exit(main(sys.argv))
