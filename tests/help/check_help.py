"""Checks the HTML help pages: every page is well formed (each element closed in order, one
title), every local link and stylesheet resolves, including #anchors, and every page can be
reached from index.html.

    check_help.py HELP_DIR
"""
import os
import sys
from html.parser import HTMLParser
from urllib.parse import urlsplit

VOID = {"meta", "link", "br", "img", "hr", "input", "col", "wbr"}


class Page(HTMLParser):
    def __init__(self):
        super().__init__()
        self.stack, self.errors, self.ids, self.links, self.titles = [], [], set(), [], 0

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if "id" in attrs:
            if attrs["id"] in self.ids:
                self.errors.append(f"id {attrs['id']} twice")
            self.ids.add(attrs["id"])
        for name in ("href", "src"):
            if attrs.get(name):
                self.links.append(attrs[name])
        self.titles += tag == "title"
        if tag not in VOID:
            self.stack.append((tag, self.getpos()[0]))

    def handle_endtag(self, tag):
        if not self.stack or self.stack[-1][0] != tag:
            open_tag = self.stack[-1] if self.stack else ("nothing", 0)
            self.errors.append(f"line {self.getpos()[0]}: </{tag}> closes <{open_tag[0]}> of line {open_tag[1]}")
            return
        self.stack.pop()


def main():
    help_dir = sys.argv[1]
    pages, failures = {}, []
    for name in sorted(os.listdir(help_dir)):
        if name.endswith(".html"):
            page = Page()
            with open(os.path.join(help_dir, name), encoding="utf-8") as f:
                page.feed(f.read())
            page.close()
            failures += [f"{name}: {e}" for e in page.errors]
            failures += [f"{name}: <{t}> of line {line} not closed" for t, line in page.stack]
            if page.titles != 1:
                failures.append(f"{name}: {page.titles} titles")
            pages[name] = page
    if "index.html" not in pages:
        failures.append("no index.html")

    reached, queue = {"index.html"}, ["index.html"]
    while queue:
        name = queue.pop()
        for link in pages[name].links:
            parts = urlsplit(link)
            if parts.scheme or parts.netloc:
                failures.append(f"{name}: link {link} leaves the help")
                continue
            target = parts.path or name
            if not os.path.isfile(os.path.join(help_dir, target)):
                failures.append(f"{name}: link {link}: no file {target}")
            elif parts.fragment and parts.fragment not in pages.get(target, Page()).ids:
                failures.append(f"{name}: link {link}: no id {parts.fragment} in {target}")
            elif target in pages and target not in reached:
                reached.add(target)
                queue.append(target)
    failures += [f"{name}: not reachable from index.html" for name in sorted(set(pages) - reached)]

    for f in failures:
        print("FAIL", f)
    print(f"{len(pages)} pages checked, {len(failures)} problems")
    return 1 if failures or not pages else 0


if __name__ == "__main__":
    sys.exit(main())
