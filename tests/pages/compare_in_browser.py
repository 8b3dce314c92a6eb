#!/usr/bin/env python3
"""Shows classic_N.html and standard_N.html in headless Chromium and compares
every cell: its box (within 2 px), colours, alignment and font.

usage: compare_in_browser.py FOLDER"""
import glob
import json
import os
import re
import subprocess
import sys
import tempfile

PROBE = """<script>
const cells = [];
for (const el of document.querySelectorAll('table, caption, td, th')) {
  const r = el.getBoundingClientRect();
  let inner = el;
  while (inner.firstElementChild && inner.firstElementChild.tagName !== 'BR') inner = inner.firstElementChild;
  const s = getComputedStyle(el), t = getComputedStyle(inner);
  cells.push({tag: el.tagName, box: [r.x, r.y, r.width, r.height], bg: s.backgroundColor,
    align: s.textAlign.replace('-webkit-', ''), valign: s.verticalAlign,
    border: [s.borderTopWidth, s.borderTopStyle, s.borderTopColor].join(' '), padding: s.paddingTop,
    color: t.color, size: t.fontSize, family: t.fontFamily, weight: t.fontWeight});
}
const out = document.createElement('pre');
out.id = 'probe' + '-out';
out.textContent = JSON.stringify(cells);
document.body.appendChild(out);
</script>"""


def cells_of(page):
    with open(page, encoding="utf-8") as f:
        html = f.read()
    probed = os.path.join(tempfile.mkdtemp(), "probe.html")
    with open(probed, "w", encoding="utf-8") as f:
        f.write(html.replace("</body>", PROBE + "</body>"))
    dom = subprocess.run(
        ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--user-data-dir=" + tempfile.mkdtemp(), "--window-size=1280,1024", "--dump-dom",
         "file://" + probed], capture_output=True, text=True, timeout=120).stdout
    found = re.search(r'<pre id="probe-out">(.*?)</pre>', dom, re.S)
    if not found:
        sys.exit("FAIL: no result from Chromium for " + page)
    return json.loads(found.group(1).replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">"))


def main():
    failures = 0
    for classic in sorted(glob.glob(os.path.join(sys.argv[1], "classic_*.html"))):
        standard = classic.replace("classic_", "standard_")
        a, b = cells_of(classic), cells_of(standard)
        if len(a) != len(b):
            print(f"{standard}: {len(b)} elements, classic {len(a)}")
            failures += 1
            continue
        for i, (x, y) in enumerate(zip(a, b)):
            for key in x:
                same = (all(abs(p - q) <= 2 for p, q in zip(x[key], y[key])) if key == "box"
                        else x[key] == y[key])
                if not same:
                    print(f"{standard}: {x['tag']} {i}: {key} {y[key]}, classic {x[key]}")
                    failures += 1
        print(f"{standard}: {len(b)} elements compared")
    if failures:
        sys.exit(f"FAIL: {failures} differences")
    print("same look in both styles")


main()
