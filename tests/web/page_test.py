"""zmatch and zline as pages, in Debian's Chromium, headless, driven by Selenium: the pinned
pictures read back from the page's canvas, both programs' button sessions against the Linux
programs' answers, a refused input's dialog, reading and taking a point, a Touchstone file,
screenshots at a desktop's and a phone's size, and the list of rows and the slider on a
page of their own.

    python3 tests/web/page_test.py BUILD_WEB_DIR     (scripts/web-test.sh runs it)
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.wheel_input import ScrollOrigin
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from page_common import (BUILD, DIST, HASH_JS, LINUX, ROOT, SHOTS, linux_labels, pinned,
                         zline_pictures, zline_sessions, zmatch_pictures, zmatch_sessions)


def cross_pieces(x, y):
    """The reading cross over the canvas pixel (x, y) shown one to one, as the toolkit
    describes it (toolkit/ReadingCross.h): [left, top, width, height, "rgb(…)"], the four
    halos, then the four arms."""
    with open(os.path.join(ROOT, "toolkit/ReadingCross.h"), encoding="utf-8") as f:
        text = f.read()
    value = lambda name: int(re.search(r"constexpr \w+ %s = (\w+);" % name, text).group(1), 0)
    gap, arm, halo, colour = (value(n) for n in ("kCrossGap", "kCrossArm", "kCrossHalo",
                                                 "kCrossColor"))
    arms = [[x - gap - arm, y, arm, 1], [x + 1 + gap, y, arm, 1],
            [x, y - gap - arm, 1, arm], [x, y + 1 + gap, 1, arm]]
    orange = "rgb(%d, %d, %d)" % (colour >> 16, (colour >> 8) & 255, colour & 255)
    return ([[a[0] - halo, a[1] - halo, a[2] + 2 * halo, a[3] + 2 * halo, "rgb(255, 255, 255)"]
             for a in arms] + [a + [orange] for a in arms])


class Page(unittest.TestCase):
    driver = None

    @classmethod
    def setUpClass(cls):
        cls.profile = tempfile.mkdtemp(prefix="zchart-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = shutil.which("chromium") or "/usr/bin/chromium"
        for a in ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                  "--no-first-run", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync", "--lang=ru-RU",
                  "--force-device-scale-factor=1", "--hide-scrollbars",
                  "--user-data-dir=" + cls.profile, "--window-size=1366,768"]:
            options.add_argument(a)
        options.add_experimental_option("prefs", {"intl.accept_languages": "ru-RU,ru"})
        cls.driver = webdriver.Chrome(service=Service(shutil.which("chromedriver")),
                                      options=options)
        os.makedirs(SHOTS, exist_ok=True)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        shutil.rmtree(cls.profile, ignore_errors=True)

    # -- the page's controls, by their names ---------------------------------------------------
    def viewport(self, width=1366, height=768):
        # The page's viewport of that size, whatever the browser's own frame takes.
        d = self.driver
        d.set_window_rect(width=width, height=height)
        inner = d.execute_script("return [window.innerWidth, window.innerHeight]")
        d.set_window_rect(width=2 * width - inner[0], height=2 * height - inner[1])

    def open(self, program, width=1366, height=768):
        d = self.driver
        self.viewport(width, height)
        d.get("file://" + os.path.join(DIST, program + ".html"))
        WebDriverWait(d, 20).until(
            lambda d: d.execute_script("return !!document.querySelector('canvas.zimage')"))

    def control(self, name):
        return self.driver.find_element(By.CSS_SELECTOR, '[data-name="%s"]' % name)

    def type(self, name, text):
        e = self.control(name)
        e.send_keys(Keys.CONTROL, "a")
        e.send_keys(text) if text else e.send_keys(Keys.DELETE)

    def press(self, name):
        self.control(name).click()

    def choose(self, name):
        self.control(name).find_element(By.TAG_NAME, "input").click()

    def do(self, steps):
        for what, *rest in steps:
            getattr(self, what)(*rest)

    def labels(self):
        return [e.text for e in self.driver.find_elements(By.CSS_SELECTOR, ".zlabel")]

    def hash(self, blocks=1):
        # The page paints its pictures in the browser's next frame: two frames on, the
        # last handler's picture is on the canvas.
        self.driver.execute_async_script(
            "const done = arguments[0];"
            "requestAnimationFrame(() => requestAnimationFrame(() => done()))")
        return self.driver.execute_script(HASH_JS, "Image1", blocks)

    def dialog_text(self):
        WebDriverWait(self.driver, 5).until(
            lambda d: d.find_elements(By.CSS_SELECTOR, "dialog[open]"))
        return self.driver.find_element(By.CSS_SELECTOR, "dialog[open] .zmessage").text

    def close_dialog(self):
        self.driver.find_element(By.CSS_SELECTOR, "dialog[open] .zbutton").click()

    def assertSubsequence(self, wanted, texts):
        rest = iter(texts)
        for w in wanted:
            self.assertIn(w, rest, "%r not among the page's labels %r" % (w, texts))

    # -- the pinned pictures -----------------------------------------------------------------
    def test_zmatch_pictures_as_pinned(self):
        drawn, hashes = zmatch_pictures()
        self.assertEqual(len(hashes), len(drawn))
        for (case, steps), want in zip(drawn, hashes):
            self.open("zmatch")
            self.do(steps)
            self.assertEqual(self.hash(), want, case)

    def test_a_dense_screen_gets_a_device_pixel_each(self):
        # At twice and three times the density the chart's canvas holds every device pixel,
        # in blocks whose corners are the pinned pictures.
        cases = [("zmatch", "tests/zmatch/picture_checksum_test.cpp"),
                 ("zline", "tests/zline/picture_checksum_test.cpp")]
        try:
            for density in [2, 3]:
                self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                    "width": 1366, "height": 768, "deviceScaleFactor": density, "mobile": False})
                for program, source in cases:
                    self.open(program)
                    size = self.driver.execute_script(
                        "const c = arguments[0], r = c.getBoundingClientRect();"
                        "return [c.width, c.height, r.width * %d, r.height * %d]" % (density, density),
                        self.control("Image1"))
                    self.assertEqual(size[:2], size[2:], (program, density))
                    self.assertEqual(self.hash(density), pinned(source)[0], (program, density))
        finally:
            self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def test_zline_pictures_as_pinned(self):
        drawn, hashes = zline_pictures()
        self.assertEqual(len(hashes), len(drawn))
        for (case, steps), want in zip(drawn, hashes):
            self.open("zline")
            self.do(steps)
            self.assertEqual(self.hash(), want, case)

    # -- sessions against the Linux programs ---------------------------------------------------
    def test_sessions_answer_as_on_linux(self):
        for program, sessions in [("zmatch", zmatch_sessions()), ("zline", zline_sessions())]:
            for steps, arguments in sessions:
                self.open(program)
                self.do(steps)
                self.assertSubsequence(linux_labels(program, *arguments), self.labels())
                if program == "zmatch":
                    # The exact answers are a hover away.
                    self.assertIn("Точный расчёт",
                                  self.control("Label3").get_attribute("title") or "")

    def test_a_refused_input_shows_its_dialog_and_changes_nothing(self):
        self.open("zmatch")
        before = self.hash()
        self.type("Edit1", "0.5")
        self.press("Button1")
        text = self.dialog_text()
        self.assertIn("«0.5» не является числом", text)
        self.assertIn("запятая", text)
        self.close_dialog()
        self.assertEqual(self.hash(), before)

    # -- reading the chart ---------------------------------------------------------------------
    def show(self, rn, xn):
        for name, text in zip(["Edit1", "Edit2", "Edit3", "Edit4"], [rn, xn, "50", "0"]):
            self.type(name, text)
        self.press("Button1")

    def test_readout_and_double_click_at_a_pixel(self):
        self.open("zmatch")
        self.show("100", "50")
        canvas = self.control("Image1")
        size = canvas.size
        offset = (460.5 - size["width"] / 2, 230.5 - size["height"] / 2)
        ActionChains(self.driver).move_to_element_with_offset(canvas, *offset).perform()
        readout = self.driver.find_element(By.CSS_SELECTOR, ".zreadout")
        self.assertTrue(readout.is_displayed())
        self.assertTrue(readout.text.startswith("z = 1,00 + j1,00\n"), readout.text)
        self.assertIn("\nZ = 50 + j50 Ом\n", readout.text)
        ActionChains(self.driver).move_to_element_with_offset(canvas, *offset).double_click().perform()
        self.assertEqual(self.control("Edit1").get_attribute("value"), "50")
        self.assertEqual(self.control("Edit2").get_attribute("value"), "50")
        self.assertEqual(self.control("Label3").text, "Zнн=1,00+j1,00")

    def test_the_keys_move_the_reading_cross(self):
        self.open("zline")
        self.type("Edit3", "50")
        canvas = self.control("Image1")
        self.driver.execute_script("arguments[0].focus()", canvas)
        canvas.send_keys(Keys.ARROW_RIGHT, Keys.SHIFT + Keys.ARROW_UP)
        readout = self.driver.find_element(By.CSS_SELECTOR, ".zreadout")
        self.assertTrue(readout.is_displayed())
        # From the centre, a pixel right and ten up.
        self.assertEqual(self.driver.execute_script("return ZPage.forms[1].reading.pixel"),
                         [401, 340])
        canvas.send_keys(Keys.ESCAPE)
        self.assertFalse(readout.is_displayed())

    def test_the_cross_looks_and_moves_as_the_toolkit_says(self):
        # Its pieces where the toolkit puts them, in its colours; the first arrow after Esc
        # brings it back and moves it.
        self.open("zline")
        canvas = self.control("Image1")
        self.driver.execute_script("arguments[0].focus()", canvas)
        shown = self.driver.execute_script("""
            const c = arguments[0].getBoundingClientRect();
            return Array.from(document.querySelectorAll('.zcross > div')).map(function (e) {
              const r = e.getBoundingClientRect();
              return [r.left - c.left, r.top - c.top, r.width, r.height,
                      getComputedStyle(e).backgroundColor];
            });""", canvas)
        at = self.driver.execute_script("return ZPage.forms[1].reading.pixel")
        self.assertEqual(shown, cross_pieces(*at))
        canvas.send_keys(Keys.ESCAPE)
        self.assertFalse(self.driver.find_element(By.CSS_SELECTOR, ".zcross").is_displayed())
        canvas.send_keys(Keys.ARROW_LEFT)
        self.assertTrue(self.driver.find_element(By.CSS_SELECTOR, ".zcross").is_displayed())
        self.assertEqual(self.driver.execute_script("return ZPage.forms[1].reading.pixel"),
                         [at[0] - 1, at[1]])

    # -- a finger on the chart --------------------------------------------------------------------
    def touch(self):
        d = self.driver
        d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                          {"enabled": True, "maxTouchPoints": 1})
        self.addCleanup(d.execute_cdp_cmd, "Emulation.setTouchEmulationEnabled",
                        {"enabled": False})

    def tap(self, x, y):
        for kind, points in [("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])]:
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                        {"type": kind, "touchPoints": points})

    def settle(self):
        # The browser's mouse events that echo a tap (focus, click, dblclick) come after it.
        self.driver.execute_async_script("setTimeout(arguments[0], 300)")

    def chart_at(self, x, y):
        r = self.driver.execute_script(
            "return arguments[0].getBoundingClientRect().toJSON()", self.control("Image1"))
        return r["left"] + x, r["top"] + y

    def test_taps_read_where_they_land(self):
        # The second of two taps far apart reads its own point, beside it, on a focused chart.
        self.touch()
        self.open("zmatch")
        self.show("100", "50")
        for x, y in [(300.5, 300.5), (460.5, 230.5)]:
            self.tap(*self.chart_at(x, y))
            self.settle()
        readout = self.driver.find_element(By.CSS_SELECTOR, ".zreadout")
        self.assertTrue(readout.is_displayed())
        self.assertTrue(readout.text.startswith("z = 1,00 + j1,00\n"), readout.text)
        at = self.driver.execute_script("const r = ZPage.forms[1].reading; return [r.x, r.y]")
        self.assertEqual(at, list(self.chart_at(460.5, 230.5)))

    # A phone's and a tablet's screen: CSS size and device pixels to the CSS pixel.
    DEVICES = [(390, 844, 3), (820, 1180, 2)]

    def on_device(self, program, width, height, density):
        d = self.driver
        self.viewport()
        d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": density, "mobile": True})
        self.addCleanup(d.execute_cdp_cmd, "Emulation.clearDeviceMetricsOverride", {})
        d.get("file://" + os.path.join(DIST, program + ".html"))
        WebDriverWait(d, 20).until(
            lambda d: d.execute_script("return !!document.querySelector('canvas.zimage')"))

    def test_a_double_tap_takes_the_point_read_once(self):
        # Between CSS pixels, on a phone's and a tablet's chart: the pixel the readout shows,
        # taken once, whatever the browser's own double-click says.
        self.touch()
        for device in self.DEVICES:
            self.on_device("zmatch", *device)
            self.show("100", "50")
            self.driver.execute_script(
                "window.picks = []; const pick = ZPage.pick;"
                "ZPage.pick = function (f, i, p) { picks.push(p); pick(f, i, p); };")
            # A point inside the chart's rim whatever its scale, between CSS pixels.
            width = self.control("Image1").rect["width"]
            x, y = self.chart_at(int(0.52 * width) + 0.4, int(0.3 * width) + 0.6)
            self.tap(x, y)
            self.tap(x, y)
            self.settle()
            reading = self.driver.execute_script("return ZPage.forms[1].reading.pixel")
            self.assertEqual(self.driver.execute_script("return picks"), [reading], device)
            self.assertNotEqual(self.control("Edit1").get_attribute("value"), "100", device)

    def test_a_tap_on_a_label_shows_its_hint(self):
        # Each hinted result label in turn; the bubble describes it, and Esc or a tap
        # elsewhere takes it away.
        self.touch()
        self.open("zmatch")
        self.show("100", "50")
        hinted = [e for e in self.driver.find_elements(By.CSS_SELECTOR, ".zlabel[title]")
                  if e.is_displayed() and "zlink" not in e.get_attribute("class")]
        self.assertTrue(hinted)
        away = self.chart_at(5, 5)
        for label, dismiss in zip(hinted[:2], ["esc", "tap"]):
            r = self.driver.execute_script(
                "return arguments[0].getBoundingClientRect().toJSON()", label)
            self.tap(r["left"] + r["width"] / 2, r["top"] + r["height"] / 2)
            bubble = self.driver.find_element(By.CSS_SELECTOR, ".zhint")
            self.assertEqual(bubble.text, label.get_attribute("title").strip())
            self.assertEqual(bubble.get_attribute("role"), "tooltip")
            self.assertEqual(label.get_attribute("aria-describedby"), bubble.get_attribute("id"))
            if dismiss == "esc":
                self.keys(Keys.ESCAPE)
            else:
                self.tap(*away)
            self.assertEqual(self.driver.find_elements(By.CSS_SELECTOR, ".zhint"), [])
            self.assertIsNone(label.get_attribute("aria-describedby"))

    # -- the windows and the dialogs over the chart ------------------------------------------------
    def keys(self, *keys):
        # Each a key, or "ctrl+x".
        for k in keys:
            chain = ActionChains(self.driver)
            if k.startswith("ctrl+"):
                chain.key_down(Keys.CONTROL).send_keys(k[-1]).key_up(Keys.CONTROL)
            else:
                chain.send_keys(k)
            chain.perform()

    def windows(self):
        return [w.get_attribute("aria-label")
                for w in self.driver.find_elements(By.CSS_SELECTOR, ".zwindow")]

    def test_esc_closes_the_topmost_window(self):
        self.open("zmatch")
        self.show("100", "50")
        self.keys(Keys.F1, "ctrl+m")
        opened = self.windows()
        self.assertEqual(len(opened), 2)
        for left in [opened[:1], []]:
            self.keys(Keys.ESCAPE)
            self.assertEqual(self.windows(), left)
        # The focus is back in the main window, not lost to the page's body.
        self.assertTrue(self.driver.execute_script(
            "const a = document.activeElement;"
            "return a !== document.body && !!a.closest('.zform') && !a.closest('.zwindow')"))

    def boxes(self, selector):
        return self.driver.execute_script(
            "return [...document.querySelectorAll(arguments[0])].map(e => {"
            " const r = e.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; })",
            selector)

    def assertOnScreen(self, box, what):
        width, height = self.driver.execute_script(
            "const d = document.documentElement; return [d.clientWidth, d.clientHeight]")
        self.assertTrue(0 <= box[0] and box[2] <= width + 1 and 0 <= box[1] and
                        box[3] <= height + 1, "%s at %r off %dx%d" % (what, box, width, height))

    def test_windows_open_apart_and_stay_on_the_screen(self):
        # Steps, band and methods each where the others are not, wholly on a desktop's
        # screen; a bar dragged far to either corner, or the screen made smaller, keeps
        # each bar within it.
        self.open("zmatch", 1920, 1080)
        self.show("100", "50")
        self.press("Button2")
        self.keys(Keys.F1, "ctrl+b", "ctrl+m")
        boxes = self.boxes(".zwindow")
        self.assertEqual(len(boxes), 3)
        self.assertEqual(len({(b[0], b[1]) for b in boxes}), 3, boxes)
        for box in boxes:
            self.assertOnScreen(box, "window")
        bar = self.driver.find_element(By.CSS_SELECTOR, ".zwindow .zbartitle")
        for x, y in [(1919, 1079), (0, 0)]:
            r = bar.rect
            ActionChains(self.driver).move_to_element(bar).click_and_hold().move_by_offset(
                x - int(r["x"] + r["width"] / 2), y - int(r["y"] + r["height"] / 2)).release().perform()
            self.assertOnScreen(self.boxes(".zwindow .zbar")[0], "bar dragged to %d, %d" % (x, y))
        # A smaller screen takes each window's bar with it.
        self.viewport(1024, 600)
        WebDriverWait(self.driver, 5).until(lambda d: all(
            b[2] <= 1025 and b[3] <= 601 for b in self.boxes(".zwindow .zbar")))

    def test_a_phone_lays_the_steps_window_out_to_its_width(self):
        # Each step's row wraps within the window rather than running past it.
        self.open("zmatch", 390, 844)
        self.show("100", "50")
        self.press("Button2")
        self.keys(Keys.F1)
        window = self.boxes(".zwindow")[0]
        self.assertOnScreen(window, "steps window")
        self.assertTrue(self.driver.execute_script(
            "const b = document.querySelector('.zwindowbody');"
            "return b.scrollWidth <= b.clientWidth"))
        for label in self.boxes(".zwindow .zlabel"):
            self.assertLessEqual(label[2], window[2], label)

    def test_action_keys_wait_under_an_error_dialog(self):
        self.open("zmatch")
        self.type("Edit1", "0.5")
        self.press("Button1")
        self.dialog_text()
        before = self.hash()
        self.keys(Keys.F1, "ctrl+b", "ctrl+m", "ctrl+g")
        self.assertEqual(len(self.driver.find_elements(By.CSS_SELECTOR, "dialog[open]")), 1)
        self.assertEqual(self.windows(), [])
        self.assertEqual(self.hash(), before)
        self.close_dialog()

    # -- a measured load ------------------------------------------------------------------------
    def test_a_touchstone_file_loaded(self):
        folder = tempfile.mkdtemp(prefix="zchart-s1p-")
        path = os.path.join(folder, "antenna.s1p")
        with open(path, "w") as f:
            f.write("! measured\n# MHz Z RI R 1\n430 35.2 -12.4\n440 40 -10\n")
        # Through the menu's row and the file picker.
        self.open("zmatch")
        canvas = self.control("Image1")
        ActionChains(self.driver).context_click(canvas).perform()
        rows = self.driver.find_elements(By.CSS_SELECTOR, ".zmenurow")
        self.assertIn("Нагрузка из файла…", [r.text.split("\n")[0] for r in rows][5])
        rows[5].click()
        self.driver.find_element(By.CSS_SELECTOR, "input[type=file]").send_keys(path)
        WebDriverWait(self.driver, 5).until(
            lambda d: d.find_elements(By.CSS_SELECTOR, "dialog[open] select"))
        self.driver.find_element(By.CSS_SELECTOR, "dialog[open] .zbutton").click()
        self.assertEqual(self.control("Edit1").get_attribute("value"), "35,2")
        self.assertEqual(self.control("Edit2").get_attribute("value"), "-12,4")
        self.assertIn("antenna.s1p", self.control("Edit1").get_attribute("title"))
        # Dropped on the chart, a frequency typed between the points.
        self.open("zline")
        self.driver.execute_script("""
            const t = new DataTransfer();
            t.items.add(new File([arguments[1]], 'antenna.s1p'));
            arguments[0].dispatchEvent(new DragEvent('drop', {dataTransfer: t, bubbles: true,
                                                              cancelable: true}));""",
                                   self.control("Image1"), open(path).read())
        WebDriverWait(self.driver, 5).until(
            lambda d: d.find_elements(By.CSS_SELECTOR, "dialog[open] select"))
        field = self.driver.find_element(By.CSS_SELECTOR, "dialog[open] input")
        field.send_keys(Keys.CONTROL, "a")
        field.send_keys("435 МГц", Keys.ENTER)
        self.assertEqual(self.control("Edit1").get_attribute("value"), "37,6")
        self.assertEqual(self.control("Edit2").get_attribute("value"), "-11,2")
        shutil.rmtree(folder)

    # -- the site ---------------------------------------------------------------------------------
    def test_the_site_served_once_works_offline(self):
        import socket
        self.viewport()  # the pinned pictures are those of the designed layout
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            port = s.getsockname()[1]
        server = subprocess.Popen([sys.executable, "-m", "http.server", str(port), "--bind",
                                   "127.0.0.1", "--directory", DIST],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            site = "http://127.0.0.1:%d/" % port
            WebDriverWait(self.driver, 10, ignored_exceptions=(Exception,)).until(
                lambda d: d.get(site + "index.html") or "zmatch" in d.page_source)
            self.assertEqual([a.get_attribute("href") for a in
                              self.driver.find_elements(By.CSS_SELECTOR, "a.tool")],
                             [site + "zmatch.html", site + "zline.html"])
            manifest = self.driver.execute_async_script("""
                const done = arguments[0];
                fetch('manifest.webmanifest').then((r) => r.json()).then(done, () => done(null));""")
            self.assertEqual((manifest["lang"], manifest["id"]), ("ru", "zchart"))
            icon = self.driver.execute_async_script("""
                const done = arguments[0];
                fetch('/favicon.ico').then((r) => r.arrayBuffer()).then(
                  (b) => done(Array.from(new Uint8Array(b, 0, 4))), () => done(null));""")
            self.assertEqual(icon, [0, 0, 1, 0])  # an icon file's header
            WebDriverWait(self.driver, 20).until(lambda d: d.execute_script(
                "return !!navigator.serviceWorker.controller") or d.refresh())
            # The pages not asked for follow in the background.
            WebDriverWait(self.driver, 30).until(lambda d: d.execute_async_script("""
                const done = arguments[0];
                Promise.all(['zmatch.html', 'zline.html'].map((p) => caches.match(p)))
                  .then((hits) => done(hits.every(Boolean)));"""))
        finally:
            server.terminate()
            server.wait()
        # The server is gone: the pages come from the worker's cache.
        for program in ["zmatch", "zline"]:
            self.driver.get(site + program + ".html")
            WebDriverWait(self.driver, 10).until(
                lambda d: d.execute_script("return !!document.querySelector('canvas.zimage')"))
            self.assertEqual(self.hash(), pinned("tests/%s/picture_checksum_test.cpp" % program)[0])

    # -- the methods window --------------------------------------------------------------------
    def test_the_methods_window_solves_as_on_linux(self):
        # Every solution the Linux command line gives, «1. через …: d = …», on the window's
        # labels, and the window whole on the screen beside a desktop's chart and a phone's.
        out = subprocess.run([os.path.join(LINUX, "zmatch"), "--load", "100+50j", "--method",
                              "quarter-wave"], capture_output=True, text=True,
                             env={"LC_ALL": "C", "LANG": "C"}, check=True).stdout
        want = [re.sub(r"(?<=\d)\.(?=\d)", ",", "%s. %s" % m.groups())
                for m in re.finditer(r"^(\d)\. [^:]*: (.*)$", out, re.M)]
        self.assertEqual(len(want), 2)
        for width, height in [(1366, 768), (390, 844)]:
            self.open("zmatch", width, height)
            self.show("100", "50")
            ActionChains(self.driver).key_down(Keys.CONTROL).send_keys("m").key_up(
                Keys.CONTROL).perform()
            window = self.driver.find_element(By.CSS_SELECTOR, ".zwindow")
            self.assertEqual(window.get_attribute("aria-label"), "Другие способы согласования")
            window.find_element(By.CSS_SELECTOR, '[data-name="MethodButton3"] input').click()
            window.find_element(By.CSS_SELECTOR, '[data-name="SolveButton"]').click()
            labels = [e.text for e in window.find_elements(By.CSS_SELECTOR, ".zlabel")]
            self.assertSubsequence(want, labels)
            client = self.driver.execute_script("return document.documentElement.clientWidth")
            r = window.rect
            self.assertGreaterEqual(r["x"], 0)
            self.assertLessEqual(r["x"] + r["width"], client + 1)
            # Every control within the window's body, none cut at its right edge (the last
            # of λ/8, λ/4, 3λ/8 goes under the others).
            cut = self.driver.execute_script(
                "const body = arguments[0].querySelector('.zwindowbody').getBoundingClientRect();"
                "return [...arguments[0].querySelectorAll('.zform > :not(canvas)')]"
                "  .filter(e => e.offsetParent !== null)"
                "  .filter(e => e.getBoundingClientRect().right > body.right + 0.5)"
                "  .map(e => e.dataset.name);", window)
            self.assertEqual(cut, [], (width, height))
            self.hash()  # its picture painted
            self.shot("zmatch-%dx%d-methods.png" % (width, height))

    def test_the_chain_window_tunes_by_the_sliders_keys(self):
        # F2 opens the chain window on the load shown; «Добавить» puts a series L of Zв on it,
        # and each key of the slider tunes it, the input's label following.
        self.open("zmatch", 1366, 768)
        self.show("100", "50")
        self.keys(Keys.F2)
        window = self.driver.find_element(By.CSS_SELECTOR, ".zwindow")
        self.assertEqual(window.get_attribute("aria-label"), "Цепь")
        # Too wide for the room beside the chart, it stands over it as designed, its list
        # whole and its own chart shrunk beside the list, within the window.
        rect = lambda name: window.find_element(By.CSS_SELECTOR, '[data-name="%s"]' % name).rect
        box, listed, chart = window.rect, rect("ElementList"), rect("Picture")
        self.assertEqual(listed["width"], 700)
        self.assertGreater(chart["x"], listed["x"] + listed["width"])
        self.assertLess(chart["width"], 807)
        self.assertLessEqual(chart["x"] + chart["width"], box["x"] + box["width"])
        window.find_element(By.CSS_SELECTOR, '[data-name="AddButton"]').click()
        label = window.find_element(By.CSS_SELECTOR, '[data-name="InputLabel"]')
        self.assertEqual(label.text,
                         "Вход: Z = 100,00+j100,00 Ом, КСВ = 4,266, обратные потери 4,15 дБ")
        tune = window.find_element(By.CSS_SELECTOR, '[data-name="ValueSlider"] input')
        for key in [Keys.RIGHT, Keys.PAGE_UP, Keys.LEFT]:
            before = label.text
            tune.send_keys(key)
            self.assertNotEqual(label.text, before, repr(key))
        # 25 steps of 10^(2/1000) up from 50 Ом: XL = 56,10 Ом on the load's j50.
        self.assertIn("Z = 100,00+j106,10 Ом", label.text)

    def test_the_choose_window_searches_and_esc_stops(self):
        # F3 opens «Подбор согласования…» on the load shown; «Подобрать» runs its search a
        # slice a timer, to its end, and Esc in a search stops it, each said in its note; a
        # bad field is refused in Russian with the field as typed.
        self.open("zmatch", 1366, 768)
        self.show("100", "50")
        self.keys(Keys.F3)
        window = self.driver.find_element(By.CSS_SELECTOR, ".zwindow")
        self.assertEqual(window.get_attribute("aria-label"), "Подбор согласования")
        note = window.find_element(By.CSS_SELECTOR, '[data-name="NoteLabel"]')
        search = window.find_element(By.CSS_SELECTOR, '[data-name="SearchButton"]')
        search.click()
        WebDriverWait(self.driver, 20).until(lambda d: note.text.startswith("Подбор закончен"))
        ActionChains(self.driver).click(search).send_keys(Keys.ESCAPE).perform()
        WebDriverWait(self.driver, 20).until(
            lambda d: note.text.startswith(("Подбор остановлен", "Подбор закончен")))
        self.assertEqual(len(self.driver.find_elements(By.CSS_SELECTOR, ".zwindow")), 1)
        field = window.find_element(By.CSS_SELECTOR, '[data-name="VswrEdit"]')
        field.send_keys(Keys.CONTROL, "a")
        field.send_keys("1")
        search.click()
        message = self.dialog_text()
        self.assertIn("КСВ должен быть больше 1", message)
        self.close_dialog()
        self.assertEqual(field.get_attribute("value"), "1")
        self.shot("zmatch-1366x768-choose.png")

    def test_the_exercises_window_makes_and_checks_variants(self):
        # F4 opens «Задания»; «Сделать» lists the variants asked for and shows the first one's
        # problem; a variant's exact answer typed, «Проверить» lists it right and the other
        # left out; a count that does not read says so and keeps the list.
        self.open("zmatch", 1366, 768)
        self.keys(Keys.F4)
        window = self.driver.find_element(By.CSS_SELECTOR, ".zwindow")
        self.assertEqual(window.get_attribute("aria-label"), "Задания")
        self.type("CountEdit", "3")
        self.type("GroupEdit", "ИВТ-21")
        self.press("MakeButton")
        rows = lambda name: window.find_elements(
            By.CSS_SELECTOR, '[data-name="%s"] .zrow' % name)
        self.assertEqual(len(rows("VariantList")), 3)
        self.assertIn("вариант 1", self.control("ProblemLabel").text)
        self.type("AnswersEdit", "d=0,1")
        self.press("CheckButton")
        verdicts = [r.text for r in rows("VerdictList")]
        self.assertEqual(len(verdicts), 2)
        self.assertIn("нет ответа", verdicts[1])
        self.shot("zmatch-1366x768-exercises.png")
        self.type("CountEdit", "много")
        self.press("MakeButton")
        self.assertIn("Число вариантов", self.dialog_text())
        self.close_dialog()
        self.assertEqual(len(rows("VariantList")), 3)

    def open_address(self, program, address):
        # A page opened afresh (not a jump within the one shown) with that address after «#».
        d = self.driver
        self.viewport(1366, 768)
        d.get("about:blank")
        d.get("file://" + os.path.join(DIST, program + ".html") + "#" + address)
        WebDriverWait(d, 20).until(
            lambda d: d.execute_script("return !!document.querySelector('canvas.zimage')"))

    def test_the_chain_lives_in_the_address(self):
        # A link's chain opens in the chain window on the link's load; a change writes the
        # chain back into the address in place, the history growing by nothing.
        d = self.driver
        self.open_address("zmatch", "chain=series%20C%20X%2050&load=100,50&line=50")
        window = WebDriverWait(d, 5).until(
            lambda d: d.find_element(By.CSS_SELECTOR, ".zwindow"))
        self.assertEqual(window.get_attribute("aria-label"), "Цепь")
        label = window.find_element(By.CSS_SELECTOR, '[data-name="InputLabel"]')
        self.assertIn("Z = 100,00+j0,00 Ом", label.text)
        history = d.execute_script("return history.length")
        window.find_element(By.CSS_SELECTOR, '[data-name="AddButton"]').click()
        WebDriverWait(d, 5).until(lambda d: "%3B" in d.execute_script("return location.hash"))
        self.assertTrue(d.execute_script("return location.hash").startswith(
            "#chain=series%20C%20X%2050%3B%20series%20L%20X%2050"))
        self.assertEqual(d.execute_script("return history.length"), history)
        # A link that does not read: its message, and the page as usual.
        self.open_address("zmatch", "chain=coil%205")
        self.assertTrue(self.dialog_text().startswith("Цепь из адреса страницы не открыта: "))
        self.close_dialog()
        self.assertEqual(d.find_elements(By.CSS_SELECTOR, ".zwindow"), [])

    def test_the_chain_window_tunes_by_the_wheel_and_by_a_drag(self):
        # A series L of 50 Ом on 100+j50: a notch of the wheel up over its row steps it by
        # 10^(2/1000), and its node dragged halfway back along its r = 2 circle (z = 2+j1,5,
        # canvas pixel (540, 270)) makes the input 100+j75 within a pixel's worth.
        self.open("zmatch", 1366, 768)
        self.show("100", "50")
        self.keys(Keys.F2)
        window = self.driver.find_element(By.CSS_SELECTOR, ".zwindow")
        window.find_element(By.CSS_SELECTOR, '[data-name="AddButton"]').click()
        label = window.find_element(By.CSS_SELECTOR, '[data-name="InputLabel"]')
        row = window.find_elements(By.CSS_SELECTOR, '[data-name="ElementList"] .zrow')[1]
        ActionChains(self.driver).scroll_from_origin(ScrollOrigin.from_element(row), 0, -100) \
            .perform()
        self.assertIn("Z = 100,00+j100,23 Ом", label.text)
        canvas = window.find_element(By.CSS_SELECTOR, '[data-name="Picture"]')
        at = lambda pixel: self.driver.execute_script(
            "const c = arguments[0], f = Object.values(ZPage.forms).find(f => f.els.includes(c));"
            "const b = ZPage.shownBox(f, f.els.indexOf(c), arguments[1]);"
            "return [Math.round(b[0] + b[2] / 2 - c.getBoundingClientRect().width / 2),"
            "        Math.round(b[1] + b[3] / 2 - c.getBoundingClientRect().height / 2)];",
            canvas, pixel)
        node = complex(100, 50 + 50 * 10 ** 0.002) / 50
        node = (node - 1) / (node + 1)
        start = at([400 + int(300 * node.real), 350 + int(-300 * node.imag)])
        end = at([540, 270])
        ActionChains(self.driver).move_to_element_with_offset(canvas, *start).click_and_hold() \
            .move_to_element_with_offset(canvas, *end).release().perform()
        reactance = re.search(r"Z = 100,00\+j(\d+,\d\d) Ом", label.text)
        self.assertIsNotNone(reactance, label.text)
        self.assertAlmostEqual(float(reactance.group(1).replace(",", ".")), 75, delta=2)

    def test_a_chain_file_dropped_on_the_chain_window_opens(self):
        # A chain file dropped on the chain window's chart opens as its «Открыть цепь…» would:
        # a series C of 50 Ом cancels the load's j50.
        self.open("zmatch", 1366, 768)
        self.show("100", "50")
        self.keys(Keys.F2)
        window = self.driver.find_element(By.CSS_SELECTOR, ".zwindow")
        picture = window.find_element(By.CSS_SELECTOR, '[data-name="Picture"]')
        self.driver.execute_script("""
            const t = new DataTransfer();
            t.items.add(new File([arguments[1]], 'match.chain'));
            arguments[0].dispatchEvent(new DragEvent('drop', {dataTransfer: t, bubbles: true,
                                                              cancelable: true}));""",
                                   picture, "impedance 50\n# the C cancels j50\nseries C X 50\n")
        label = window.find_element(By.CSS_SELECTOR, '[data-name="InputLabel"]')
        WebDriverWait(self.driver, 5).until(lambda d: "Z = 100,00+j0,00 Ом" in label.text)

    # -- controls for fingers ------------------------------------------------------------------
    TARGETS_JS = """
        return [...document.querySelectorAll(arguments[0] + ' .zform > :is(.zedit, .zbutton, .zradio, .zcheck, .zlink)')]
          .filter(e => e.offsetParent !== null).map(e => {
            const r = e.getBoundingClientRect();
            return [e.dataset.name, r.left, r.top, r.width, r.height,
                    parseFloat(getComputedStyle(e).fontSize), e.classList.contains('zlink')];
          });"""

    def test_controls_for_fingers_on_a_phone_and_as_designed_on_a_desktop(self):
        d = self.driver
        for program in ["zmatch", "zline"]:
            # A phone (390 × 844, three device pixels to one): every target a finger's size,
            # its text too large to zoom into, and none past the screen's edge; in the windows
            # too (the steps, and zmatch's band and methods).
            self.viewport()
            d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True})
            try:
                d.get("file://" + os.path.join(DIST, program + ".html"))
                WebDriverWait(d, 20).until(lambda d: d.execute_script(
                    "return !!document.querySelector('canvas.zimage')"))
                self.show("100", "50")
                self.press("Button2")
                self.shot("%s-390x844-fingers.png" % program)
                for key in "bm" if program == "zmatch" else "":
                    ActionChains(d).key_down(Keys.CONTROL).send_keys(key).key_up(
                        Keys.CONTROL).perform()
                ActionChains(d).send_keys(Keys.F1).perform()
                client = d.execute_script("return document.documentElement.clientWidth")
                targets = d.execute_script(self.TARGETS_JS, "body")
                self.assertGreater(len(targets), 5 if program == "zline" else 20)
                for name, x, y, w, h, font, _ in targets:
                    self.assertGreaterEqual(min(w, h), 44, (program, name))
                    self.assertGreaterEqual(font, 16, (program, name))
                    self.assertGreaterEqual(x, 0, (program, name))
                    self.assertLessEqual(x + w, client + 0.5, (program, name))
            finally:
                d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
            # The same page widened to a desktop: every target's box as the program designed it.
            self.viewport(1366, 768)
            d.execute_async_script("setTimeout(arguments[0], 300)")  # the resize settled
            designed = d.execute_script("""
                const f = ZPage.forms[1];
                const l = JSON.parse(ZPage.callText("web_layout", ["number", "number", "number", "number"], [f.desc.id, 1366, 768, 0]));
                const box = c => c.parent < 0 ? l.boxes[c.i]
                    : l.boxes[c.i].map((v, k) => k < 2 ? v + l.boxes[c.parent][k] : v);
                return Object.fromEntries(f.desc.controls.map(c => [c.name, box(c)]));""")
            # (A link's height is its line's, as on the desktop.)
            for name, x, y, w, h, font, link in d.execute_script(self.TARGETS_JS, "#zmain"):
                box = [x, y, w] + ([] if link else [h])
                self.assertEqual(box, designed[name][:len(box)], (program, name))
            # The windows beside the chart, stacked or not, keep the designed text.
            for name, x, y, w, h, font, link in d.execute_script(self.TARGETS_JS, "body"):
                self.assertEqual(font, 11, (program, name))

    # -- screenshots ---------------------------------------------------------------------------
    def shot(self, name):
        self.driver.save_screenshot(os.path.join(SHOTS, name))

    # -- the list of rows and the slider, on a page of their own -----------------------------
    def open_controls(self):
        self.viewport()
        self.driver.get("file://" + os.path.join(BUILD, "tests", "web", "controls.html"))
        WebDriverWait(self.driver, 20).until(lambda d: d.execute_script(
            "return document.querySelectorAll('.zrowlist [role=option]').length === 3"))

    def list_shows(self):
        """The list's rows as the page shows them, and which is selected (-1: none)."""
        return self.driver.execute_script("""
            const rows = [...document.querySelectorAll('[data-name="Chain"] [role=option]')];
            return [rows.map(r => [...r.children].map(c => c.textContent)),
                    rows.findIndex(r => r.getAttribute('aria-selected') === 'true')];""")

    def slider_shows(self):
        return self.driver.execute_script("""
            const e = document.querySelector('[data-name="Tune"]');
            return [Number(e.querySelector('input').value), e.querySelector('output').textContent];""")

    def test_the_list_and_the_slider_move_as_the_toolkit_says(self):
        self.open_controls()
        self.assertEqual(self.list_shows(), [[["C1", "2,2 пФ"], ["L1", "15 нГн"], ["C2", "1 пФ"]], -1])
        self.assertEqual(self.slider_shows(), [220, ""])
        # The keys by the toolkit's rule: from none to the first row, never past the ends.
        chain = self.control("Chain")
        for key, row in [(Keys.DOWN, 0), (Keys.DOWN, 1), (Keys.END, 2), (Keys.DOWN, 2),
                         (Keys.HOME, 0), (Keys.UP, 0), (Keys.PAGE_DOWN, 2)]:
            chain.send_keys(key)
            self.assertEqual(self.list_shows()[1], row, repr(key))
        self.driver.find_elements(By.CSS_SELECTOR, '[data-name="Chain"] [role=option]')[1].click()
        self.assertEqual(self.list_shows()[1], 1)
        # The slider's keys, Up and PageUp upwards; its handler writes beside it and into the
        # selected row.
        tune = self.control("Tune").find_element(By.TAG_NAME, "input")
        for key, position in [(Keys.RIGHT, 221), (Keys.UP, 222), (Keys.PAGE_UP, 322),
                              (Keys.LEFT, 321), (Keys.END, 1000), (Keys.RIGHT, 1000),
                              (Keys.HOME, 0), (Keys.PAGE_DOWN, 0)]:
            tune.send_keys(key)
            self.assertEqual(self.slider_shows(), [position, str(position)], repr(key))
            self.assertEqual(self.list_shows()[0][1][1], str(position), repr(key))
        # A drag runs the handler as it goes.
        ActionChains(self.driver).click_and_hold(tune).move_by_offset(30, 0).release().perform()
        position, text = self.slider_shows()
        self.assertGreater(position, 500)
        self.assertEqual(text, str(position))
        self.assertEqual(self.list_shows(), [[["C1", "2,2 пФ"], ["L1", text], ["C2", "1 пФ"]], 1])

    def test_the_chart_fits_a_phone_held_sideways_and_a_tablet(self):
        # The stacked chart fits the screen's height and stands in the middle of its width;
        # its canvas holds a device pixel each, and a pinch never asks for more than three to
        # a canvas pixel.
        d = self.driver
        cases = [(844, 390, 3, (194, 0, 456, 389)), (820, 1180, 2, (6, 0, 807, 689))]
        for width, height, density, box in cases:
            self.viewport()
            d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": density, "mobile": True})
            try:
                d.get("file://" + os.path.join(DIST, "zmatch.html"))
                WebDriverWait(d, 20).until(lambda d: d.execute_script(
                    "return !!document.querySelector('canvas.zimage')"))
                self.show("100", "50")
                self.press("Button2")
                chart = self.control("Image1")
                r = chart.rect
                self.assertEqual((r["x"], r["y"], r["width"], r["height"]), box, (width, height))
                self.hash()
                backing = d.execute_script("return [arguments[0].width, arguments[0].height]",
                                           chart)
                self.assertEqual(backing, [box[2] * density, box[3] * density], (width, height))
                # The controls under it are a finger's, and so is a window over it, though it
                # fit as designed.
                ActionChains(d).send_keys(Keys.F1).perform()
                targets = d.execute_script(self.TARGETS_JS, "body")
                self.assertGreater(len(targets), 10, width)
                for name, x, y, w, h, font, _ in targets:
                    self.assertGreaterEqual(min(w, h), 44, (width, name))
                    self.assertGreaterEqual(font, 16, (width, name))
                self.shot("zmatch-%dx%d-steps.png" % (width, height))
                d.execute_cdp_cmd("Emulation.setPageScaleFactor", {"pageScaleFactor": 4})
                d.execute_async_script("setTimeout(arguments[0], 300)")
                self.hash()
                backing = d.execute_script("return arguments[0].width", chart)
                self.assertEqual(backing, 3 * 807, (width, height, "pinched"))
            finally:
                d.execute_cdp_cmd("Emulation.setPageScaleFactor", {"pageScaleFactor": 1})
                d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

    def test_screens_of_a_desktop_and_a_phone(self):
        for width, height in [(1366, 768), (390, 844)]:
            for program in ["zmatch", "zline"]:
                self.open(program, width, height)
                self.show("100", "50")
                if program == "zline":
                    self.type("Edit5", "0,3")
                self.press("Button2")
                client = self.driver.execute_script("return document.documentElement.clientWidth")
                chart = self.control("Image1").rect
                if width < 1024:
                    # The chart first, across the screen; every control within it.
                    self.assertEqual((chart["x"], chart["y"], chart["width"]), (0, 0, client))
                    for e in self.driver.find_elements(By.CSS_SELECTOR, ".zform > :not(canvas)"):
                        r = e.rect
                        if e.is_displayed():
                            self.assertLessEqual(r["x"] + r["width"], client + 1, e.text)
                            self.assertGreaterEqual(r["y"], chart["height"], e.text)
                else:
                    self.assertEqual(chart["width"], 807 if program == "zmatch" else 811)
                self.shot("%s-%dx%d.png" % (program, width, height))
                ActionChains(self.driver).context_click(self.control("Image1")).perform()
                self.shot("%s-%dx%d-menu.png" % (program, width, height))
                # The steps window (F1) and zmatch's band window (Ctrl+B), from their keys.
                ActionChains(self.driver).send_keys(Keys.ESCAPE).send_keys(Keys.F1).perform()
                if program == "zmatch":
                    ActionChains(self.driver).key_down(Keys.CONTROL).send_keys("b").key_up(
                        Keys.CONTROL).perform()
                windows = self.driver.find_elements(By.CSS_SELECTOR, ".zwindow")
                self.assertEqual([w.get_attribute("aria-label") for w in windows],
                                 ["Построение по шагам", "Полоса согласования"][:len(windows)])
                self.assertEqual(len(windows), 2 if program == "zmatch" else 1)
                self.shot("%s-%dx%d-windows.png" % (program, width, height))


if __name__ == "__main__":
    unittest.main(verbosity=2)
