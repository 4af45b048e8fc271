#!/usr/bin/env python3
"""Opens a DynamicHTML export from disk in headless Chromium, as a user would.

    dhtml_page_test.py SOURCE_DIR BUILD_DIR [--keep DIR] [--screenshot FILE]

The export itself is made by the model tests (DynamicHtmlPage.*, told where
to write by QIV_DHTML_PAGE_DIR); they also write "expected.txt": the title
of every node as the tree must show it, and the title to click with a piece
of the text that must then show in the text frame. This script opens the
page through a file:// URL with no special browser flags, expands every
category with real mouse clicks, checks the titles, clicks the entry and
checks the text frame.

The same run exports notes and titles that try to break out of their links
(folder "hostile", both export ways, with "links.txt": each link's address
and text). Their pages are opened too: they must hold only the elements and
attributes the exports write, no script may have run, and every link must
lead to the original address and show the original text.

Chromium is driven over the DevTools protocol on a pipe (fds 3 and 4), so
nothing but the Debian package is needed.
"""
import fcntl
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.parse

CHROMIUM_FLAGS = [
    '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--remote-debugging-pipe', '--window-size=1000,700',
]


class Browser:
    def __init__(self, profile):
        exe = shutil.which('chromium') or shutil.which('chromium-browser')
        if not exe:
            raise SystemExit('chromium is not installed (scripts/bootstrap.sh installs it)')
        cmd_r, self.cmd_w = os.pipe()
        self.res_r, res_w = os.pipe()

        def wire():
            # Out of the way first: the pipes may already sit on 3 and 4.
            high_r = fcntl.fcntl(cmd_r, fcntl.F_DUPFD, 10)
            high_w = fcntl.fcntl(res_w, fcntl.F_DUPFD, 10)
            os.dup2(high_r, 3)
            os.dup2(high_w, 4)

        self.proc = subprocess.Popen(
            [exe] + CHROMIUM_FLAGS + ['--user-data-dir=' + profile, 'about:blank'],
            preexec_fn=wire, close_fds=False,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(cmd_r)
        os.close(res_w)
        self.next_id = 0
        self.buffer = b''
        self.session = None

    def close(self):
        try:
            self.call('Browser.close', session=False)
        except Exception:
            pass
        try:
            self.proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
        os.close(self.cmd_w)
        os.close(self.res_r)

    def _message(self, deadline):
        while b'\0' not in self.buffer:
            if time.time() > deadline:
                raise TimeoutError('no answer from the browser')
            chunk = os.read(self.res_r, 1 << 16)
            if not chunk:
                raise RuntimeError('the browser ended')
            self.buffer += chunk
        raw, self.buffer = self.buffer.split(b'\0', 1)
        return json.loads(raw)

    def call(self, method, params=None, session=True, timeout=30):
        self.next_id += 1
        msg = {'id': self.next_id, 'method': method, 'params': params or {}}
        if session and self.session:
            msg['sessionId'] = self.session
        os.write(self.cmd_w, json.dumps(msg).encode() + b'\0')
        deadline = time.time() + timeout
        while True:
            answer = self._message(deadline)
            if answer.get('id') == self.next_id:
                if 'error' in answer:
                    raise RuntimeError('%s: %s' % (method, answer['error']))
                return answer.get('result', {})

    def attach(self):
        targets = self.call('Target.getTargets', session=False)['targetInfos']
        page = next(t for t in targets if t['type'] == 'page')
        self.session = self.call('Target.attachToTarget',
                                 {'targetId': page['targetId'], 'flatten': True},
                                 session=False)['sessionId']
        self.call('Page.enable')
        self.call('Runtime.enable')

    def evaluate(self, expression, context=None):
        params = {'expression': expression, 'returnByValue': True}
        if context is not None:
            params['contextId'] = context
        result = self.call('Runtime.evaluate', params)
        if 'exceptionDetails' in result:
            raise RuntimeError('script failed: %s' % result['exceptionDetails'])
        return result['result'].get('value')

    def click(self, x, y):
        for kind in ('mouseMoved', 'mousePressed', 'mouseReleased'):
            self.call('Input.dispatchMouseEvent',
                      {'type': kind, 'x': x, 'y': y, 'button': 'left', 'clickCount': 1})

    def frame_context(self, name):
        """An isolated script world in the child frame of that name: pages from
        disk cannot reach into each other, but the protocol can."""
        tree = self.call('Page.getFrameTree')['frameTree']
        for child in tree.get('childFrames', []):
            if child['frame'].get('name') == name:
                world = self.call('Page.createIsolatedWorld',
                                  {'frameId': child['frame']['id'], 'worldName': 'check'})
                return child['frame'], world['executionContextId']
        return None, None


def wait_for(what, probe, timeout=20):
    deadline = time.time() + timeout
    while time.time() < deadline:
        value = probe()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError('timed out waiting for ' + what)


# Script run in the frame set page: it reaches the tree frame only because
# the page wrote that frame's document itself.
TREE_TEXT = """(function () {
  var f = window.frames['TreeFrame'];
  try { return f.document.body ? f.document.body.innerText : ''; } catch (e) { return ''; }
})()"""

# The centre of the first visible element matching a selector inside the tree
# frame, in page coordinates; null when there is none.
TREE_POINT = """(function (selector, text) {
  var frame = document.getElementsByName('TreeFrame')[0];
  var doc = window.frames['TreeFrame'].document;
  var list = doc.querySelectorAll(selector);
  for (var i = 0; i < list.length; i++) {
    var el = list[i];
    if (text !== null && el.innerText != text) continue;
    var r = el.getBoundingClientRect();
    if (r.width == 0 || r.height == 0) continue;
    el.scrollIntoView({block: 'center'});
    r = el.getBoundingClientRect();
    var fr = frame.getBoundingClientRect();
    return [fr.left + r.left + r.width / 2, fr.top + r.top + r.height / 2];
  }
  return null;
})(%s, %s)"""


def read_expectations(folder):
    titles, click = [], None
    with open(os.path.join(folder, 'expected.txt'), encoding='cp1252') as f:
        for line in f.read().split('\n'):
            if not line:
                continue
            kind, rest = line.split('\t', 1)
            if kind == 'title':
                titles.append(rest)
            elif kind == 'click':
                click = rest.split('\t', 1)
    return titles, click


def check_page(page, titles, click, screenshot=None):
    profile = tempfile.mkdtemp(prefix='qiv-chromium-')
    browser = Browser(profile)
    try:
        browser.attach()
        browser.call('Page.navigate', {'url': 'file://' + urllib.parse.quote(page)})
        wait_for('the tree', lambda: titles[0] in (browser.evaluate(TREE_TEXT) or ''))

        # Open every category, with the mouse, until no plus sign is left.
        for _ in range(200):
            point = browser.evaluate(TREE_POINT % (json.dumps('img[src*="plus"]'), 'null'))
            if not point:
                break
            browser.click(*point)
        shown = browser.evaluate(TREE_TEXT)
        rows = [row.strip() for row in shown.split('\n')]
        missing = [t for t in titles if t not in rows]
        if missing:
            raise AssertionError('titles missing from the tree: %r\ntree shows:\n%s'
                                 % (missing, shown))

        title, text = click
        point = browser.evaluate(TREE_POINT % (json.dumps('a.entry'), json.dumps(title)))
        if not point:
            raise AssertionError('no entry titled %r in the tree' % title)
        browser.click(*point)

        def text_frame_shows():
            frame, context = browser.frame_context('TextFrame')
            if not frame or '#' not in frame.get('url', '') + frame.get('urlFragment', ''):
                return None
            return browser.evaluate("""(function () {
              var name = location.hash.substring(1);
              var a = document.getElementsByName(name)[0];
              if (!a) return null;
              var top = a.getBoundingClientRect().top;
              if (top < -2 || top > innerHeight - 20) return null;   // in view
              var range = document.createRange();
              range.setStartBefore(a);
              range.setEndAfter(document.body.lastChild);
              return range.toString();
            })()""", context)
        shown = wait_for('the entry in the text frame', text_frame_shows)
        if text not in shown:
            raise AssertionError('text frame shows %r, not %r' % (shown[:300], text))
        if screenshot:
            import base64
            png = browser.call('Page.captureScreenshot', {'format': 'png'})['data']
            with open(screenshot, 'wb') as f:
                f.write(base64.b64decode(png))
    finally:
        browser.close()
        shutil.rmtree(profile, ignore_errors=True)


# Everything the exports write: any other element or attribute came from a
# note. Answers the offending elements and attributes, the links, and
# whether a note's script ran.
PAGE_MARKUP = """(function () {
  var tags = ['HTML', 'HEAD', 'TITLE', 'BODY', 'A', 'BR', 'HR', 'P', 'UL', 'LI',
              'H1', 'H2', 'H3', 'H4', 'H5', 'H6'];
  var foreign = [], links = [];
  var all = document.getElementsByTagName('*');
  for (var i = 0; i < all.length; i++) {
    var el = all[i];
    if (tags.indexOf(el.tagName) < 0) foreign.push(el.tagName);
    for (var k = 0; k < el.attributes.length; k++) {
      var name = el.attributes[k].name;
      if (el.tagName != 'A' || (name != 'href' && name != 'name'))
        foreign.push(el.tagName + ' ' + name);
    }
    var href = el.tagName == 'A' ? el.getAttribute('href') : null;
    if (href !== null && href.charAt(0) != '#') links.push([href, el.textContent]);
  }
  return {foreign: foreign, links: links, ran: window.injected !== undefined};
})()"""


def check_hostile_pages(folder):
    with open(os.path.join(folder, 'links.txt'), encoding='cp1252', newline='') as f:
        expected = {tuple(line.split('\t', 1)) for line in f.read().split('\n') if line}
    pages = [os.path.join(folder, 'seite.htm'),
             os.path.join(folder, 'Feind-Dateien', 'data.htm')]
    profile = tempfile.mkdtemp(prefix='qiv-chromium-')
    browser = Browser(profile)
    try:
        browser.attach()
        for page in pages:
            url = 'file://' + urllib.parse.quote(page)
            browser.call('Page.navigate', {'url': url})
            wait_for('the page ' + page, lambda: browser.evaluate(
                "location.href == %s && document.readyState == 'complete'" % json.dumps(url)))
            found = browser.evaluate(PAGE_MARKUP)
            if found['foreign'] or found['ran']:
                raise AssertionError('%s: a note added markup %r (script ran: %s)'
                                     % (page, found['foreign'], found['ran']))
            links = {tuple(link) for link in found['links']}
            if links != expected:
                raise AssertionError('%s: links differ\nmissing: %r\nunexpected: %r'
                                     % (page, sorted(expected - links), sorted(links - expected)))
    finally:
        browser.close()
        shutil.rmtree(profile, ignore_errors=True)


def wine_path(path):
    return 'Z:' + path.replace('/', '\\')


def main():
    args = sys.argv[1:]
    keep = screenshot = None
    if '--keep' in args:
        i = args.index('--keep')
        keep = args[i + 1]
        del args[i:i + 2]
    if '--screenshot' in args:
        i = args.index('--screenshot')
        screenshot = args[i + 1]
        del args[i:i + 2]
    source, build = args[0], args[1]

    folder = keep or tempfile.mkdtemp(prefix='qiv-dhtml-')
    os.makedirs(folder, exist_ok=True)
    try:
        env = dict(os.environ, QIV_DHTML_PAGE_DIR=wine_path(folder), QIV_SOURCE_DIR=source)
        run = subprocess.run(
            [os.path.join(source, 'scripts', 'wine-run.sh'), os.path.join(build, 'wineprefix'),
             os.path.join(build, 'tests', 'model_tests.exe'), '--gtest_filter=DynamicHtmlPage.*'],
            env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=600)
        output = run.stdout.decode('utf-8', 'replace')
        if run.returncode != 0 or '[  PASSED  ] 2 tests' not in output:
            print(output)
            raise SystemExit('the export failed')
        titles, click = read_expectations(folder)
        pages = [n for n in os.listdir(folder) if n.endswith('.htm')]
        if len(pages) != 1:
            raise SystemExit('expected one page in %s, found %r' % (folder, pages))
        check_page(os.path.join(folder, pages[0]), titles, click, screenshot)
        check_hostile_pages(os.path.join(folder, 'hostile'))
        print('2 passed, 0 failed')
    finally:
        if not keep:
            shutil.rmtree(folder, ignore_errors=True)


if __name__ == '__main__':
    main()
