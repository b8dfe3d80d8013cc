"""zmatch and zline as pages in a second engine, Debian's Firefox ESR, headless, driven through
WebDriver BiDi (tests/web/bidi.py) with real clicks and keys: the pinned pictures read back
from the page's canvas, a button session of each program against the Linux program's
answers, the methods window beside the chart, and a screenshot of each program.

    python3 tests/web/firefox_test.py BUILD_WEB_DIR     (scripts/web-test.sh runs it)
"""
import os
import unittest

from bidi import Firefox
from page_common import (DIST, HASH_JS, SHOTS, linux_labels, typed, zline_pictures,
                         zline_sessions, zmatch_pictures, zmatch_sessions)

CTRL, DELETE = "\uE009", "\uE017"

# The control's centre in the viewport, scrolled into it first.
CENTRE_JS = """(name, inner) => {
  let e = document.querySelector('[data-name="' + name + '"]');
  if (inner) e = e.querySelector(inner);
  e.scrollIntoView({block: 'nearest', inline: 'nearest'});
  const r = e.getBoundingClientRect();
  return [Math.round(r.left + r.width / 2), Math.round(r.top + r.height / 2)];
}"""

# Resolves once the test (a function's text) holds, or after the time given, with its answer.
POLL_JS = """(test, ms) => new Promise((done) => {
  const holds = new Function('return (' + test + ')()'), end = performance.now() + ms;
  (function look() {
    const answer = holds();
    if (answer || performance.now() > end) done(answer); else setTimeout(look, 50);
  })();
})"""

RECT_JS = """(selector) => {
  const e = document.querySelector(selector);
  if (!e) return null;
  const r = e.getBoundingClientRect();
  return [r.left, r.top, r.right, r.bottom];
}"""


def keys(*values):
    """A key source: each key pressed and let go in turn, a tuple's keys held together."""
    actions = []
    for v in values:
        chord = v if isinstance(v, tuple) else (v,)
        actions += [{"type": "keyDown", "value": k} for k in chord]
        actions += [{"type": "keyUp", "value": k} for k in reversed(chord)]
    return {"type": "key", "id": "keyboard", "actions": actions}


class FirefoxPage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.browser = Firefox()
        cls.browser.set_viewport(1366, 768)
        os.makedirs(SHOTS, exist_ok=True)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()

    # -- the page's controls, by their names ---------------------------------------------------
    def wait_for(self, test, ms=20000):
        answer = self.browser.call(POLL_JS, test, ms)
        self.assertTrue(answer, "not within %d ms: %s" % (ms, test))
        return answer

    def open(self, program):
        self.browser.navigate("file://" + os.path.join(DIST, program + ".html"))
        self.wait_for("() => !!document.querySelector('canvas.zimage')")

    def click(self, name, inner=""):
        x, y = self.browser.call(CENTRE_JS, name, inner)
        self.browser.perform({"type": "pointer", "id": "mouse",
                              "parameters": {"pointerType": "mouse"},
                              "actions": [{"type": "pointerMove", "x": x, "y": y},
                                          {"type": "pointerDown", "button": 0},
                                          {"type": "pointerUp", "button": 0}]})

    def type(self, name, text):
        self.click(name)
        self.browser.perform(keys((CTRL, "a"), *(text or [DELETE])))

    def press(self, name):
        self.click(name)

    def choose(self, name):
        self.click(name, "input")

    def do(self, steps):
        for what, *rest in steps:
            getattr(self, what)(*rest)

    def labels(self):
        return self.browser.call(
            "() => [...document.querySelectorAll('.zlabel')].map(e => e.innerText)")

    def hash(self):
        # The page paints its pictures in the browser's next frame: two frames on, the last
        # handler's picture is on the canvas.
        self.browser.call("() => new Promise((done) => "
                          "requestAnimationFrame(() => requestAnimationFrame(done)))")
        return self.browser.call("function () {%s}" % HASH_JS, "Image1", 1)

    def assertSubsequence(self, wanted, texts):
        rest = iter(texts)
        for w in wanted:
            self.assertIn(w, rest, "%r not among the page's labels %r" % (w, texts))

    # -- the pinned pictures, every pixel as in Chromium and on Linux ----------------------------
    def test_pictures_as_pinned(self):
        for program, (drawn, hashes) in [("zmatch", zmatch_pictures()),
                                         ("zline", zline_pictures())]:
            self.assertEqual(len(hashes), len(drawn), program)
            for (case, steps), want in zip(drawn, hashes):
                self.open(program)
                self.do(steps)
                self.assertEqual(self.hash(), want, (program, case))

    # -- a session of each program against the Linux program's answers, and how it looks -------
    def test_a_session_of_each_answers_as_on_linux(self):
        for program, sessions in [("zmatch", zmatch_sessions()), ("zline", zline_sessions())]:
            steps, arguments = sessions[0]
            self.open(program)
            self.do(steps)
            self.assertSubsequence(linux_labels(program, *arguments), self.labels())
            self.hash()  # its picture painted
            self.browser.screenshot(os.path.join(SHOTS, "firefox-%s.png" % program))

    # -- the methods window beside the chart, not over it, and whole -----------------------------
    def test_the_methods_window_opens_beside_the_chart(self):
        self.open("zmatch")
        self.do(typed(["Edit1", "Edit2", "Edit3", "Edit4"], ["100", "50", "50", "0"]) +
                [("press", "Button1")])
        self.browser.perform(keys((CTRL, "m")))
        self.wait_for("() => !!document.querySelector('.zwindow')", 5000)
        chart = self.browser.call(RECT_JS, '[data-name="Image1"]')
        window = self.browser.call(RECT_JS, ".zwindow")
        self.assertGreaterEqual(window[0], chart[2], (window, chart))
        self.assertLessEqual(window[2], 1366, (window, chart))
        # Its form whole beside its body's scroll bar, not under it.
        room, form = self.browser.call("""() => {
          const body = document.querySelector('.zwindow .zwindowbody');
          return [body.clientWidth, body.firstChild.offsetWidth]; }""")
        self.assertGreaterEqual(room, form)
        self.hash()
        self.browser.screenshot(os.path.join(SHOTS, "firefox-zmatch-methods.png"))


if __name__ == "__main__":
    unittest.main(verbosity=2)
