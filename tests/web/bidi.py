"""Firefox driven through its own remote protocol, WebDriver BiDi, with nothing downloaded:
Debian's firefox-esr, headless, on a fresh profile, and a WebSocket (Debian's
python3-websocket) to ws://127.0.0.1:PORT/session. Commands go out as JSON with an id, the
answer with that id comes back; the events in between are let go.

    with Firefox() as f:
        f.navigate("file:///…/zmatch.html")
        f.call("(a, b) => a + b", 1, 2)     # 3: what the page's function returns, by JSON
"""
import base64
import json
import os
import re
import shutil
import subprocess
import tempfile
import time

import websocket

# Nothing of the browser's own reaches for the network (this machine may have none), nothing
# opens in a first run, and the page hears Russian as its reader's language.
PREFS = {
    "app.normandy.enabled": False,
    "app.shield.optoutstudies.enabled": False,
    "app.update.disabledForTesting": True,
    "browser.aboutwelcome.enabled": False,
    "browser.newtabpage.enabled": False,
    "browser.ping-centre.telemetry": False,
    "browser.safebrowsing.blockedURIs.enabled": False,
    "browser.safebrowsing.downloads.enabled": False,
    "browser.safebrowsing.malware.enabled": False,
    "browser.safebrowsing.phishing.enabled": False,
    "browser.search.update": False,
    "browser.shell.checkDefaultBrowser": False,
    "browser.startup.homepage_override.mstone": "ignore",
    "browser.startup.page": 0,
    "datareporting.healthreport.uploadEnabled": False,
    "datareporting.policy.dataSubmissionEnabled": False,
    "extensions.blocklist.enabled": False,
    "extensions.getAddons.cache.enabled": False,
    "extensions.update.enabled": False,
    "media.gmp-manager.url": "",
    "messaging-system.rsexperimentloader.enabled": False,
    "network.captive-portal-service.enabled": False,
    "network.connectivity-service.enabled": False,
    "network.dns.disablePrefetch": True,
    "network.http.speculative-parallel-limit": 0,
    "network.prefetch-next": False,
    # Whatever still asks for a server (Remote Settings does, whatever its own pref says)
    # finds every name on this machine, without a look-up.
    "network.dns.forceResolve": "127.0.0.1",
    "startup.homepage_welcome_url": "",
    "toolkit.telemetry.enabled": False,
    "toolkit.telemetry.server": "",
    "toolkit.telemetry.unified": False,
    "intl.accept_languages": "ru-RU, ru",
    "intl.locale.requested": "ru",
    "layout.css.devPixelsPerPx": "1.0",
}

# The page's function called with its arguments as JSON, and its answer (awaited) back as
# JSON: no BiDi remote values to unpack on either side.
CALL = """async function (json) {
  const answer = await (%s).apply(null, JSON.parse(json));
  return JSON.stringify(answer === undefined ? null : answer);
}"""


class BiDiError(RuntimeError):
    pass


class Firefox:
    def __init__(self, binary=None, timeout=30):
        binary = binary or shutil.which("firefox-esr") or shutil.which("firefox")
        if not binary:
            raise BiDiError("no firefox-esr on the PATH (apt install firefox-esr)")
        self.profile = tempfile.mkdtemp(prefix="zchart-firefox-")
        with open(os.path.join(self.profile, "user.js"), "w", encoding="utf-8") as f:
            for name, value in PREFS.items():
                f.write("user_pref(%s, %s);\n" % (json.dumps(name), json.dumps(value)))
        self.log_path = os.path.join(self.profile, "firefox.log")
        self.log = open(self.log_path, "w")
        self.ws = None
        self.next_id = 0
        # Port 0: the system gives a free one, and Firefox says which on its stderr.
        self.process = subprocess.Popen(
            [binary, "--headless", "--no-remote", "--remote-debugging-port", "0",
             "--profile", self.profile, "about:blank"],
            stdout=self.log, stderr=subprocess.STDOUT, start_new_session=True)
        try:
            url = self._wait_for_url(timeout)
            self.ws = websocket.create_connection(url + "/session", timeout=timeout,
                                                  suppress_origin=True)
            self.command("session.new", {"capabilities": {}})
            self.context = self.command("browsingContext.getTree", {})["contexts"][0]["context"]
        except BaseException:
            self.quit()
            raise

    def _wait_for_url(self, timeout):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            with open(self.log_path, encoding="utf-8", errors="replace") as f:
                m = re.search(r"WebDriver BiDi listening on (ws://\S+)", f.read())
            if m:
                return m.group(1)
            if self.process.poll() is not None:
                break
            time.sleep(0.1)
        with open(self.log_path, encoding="utf-8", errors="replace") as f:
            tail = f.read()[-2000:]
        raise BiDiError("Firefox did not offer WebDriver BiDi within %d s (exit %s); its "
                        "output:\n%s" % (timeout, self.process.poll(), tail))

    # -- the protocol --------------------------------------------------------------------------
    def command(self, method, params):
        self.next_id += 1
        self.ws.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.ws.recv())
            if message.get("id") != self.next_id:
                continue  # an event
            if message.get("type") == "error":
                raise BiDiError("%s: %s: %s" % (method, message.get("error"),
                                                message.get("message")))
            return message["result"]

    def quit(self):
        if self.ws:
            try:
                self.command("browser.close", {})
            except Exception:
                pass  # the socket closes as the browser goes
            self.ws.close()
            self.ws = None
        if self.process.poll() is None:
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.killpg(self.process.pid, 9)
                self.process.wait()
        self.log.close()
        shutil.rmtree(self.profile, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.quit()

    # -- the page ------------------------------------------------------------------------------
    def navigate(self, url):
        self.command("browsingContext.navigate",
                     {"context": self.context, "url": url, "wait": "complete"})

    def set_viewport(self, width, height):
        self.command("browsingContext.setViewport",
                     {"context": self.context, "viewport": {"width": width, "height": height},
                      "devicePixelRatio": 1})

    def call(self, function, *arguments):
        """The page's answer to the JavaScript function (text) called with the arguments."""
        result = self.command("script.callFunction", {
            "functionDeclaration": CALL % function, "awaitPromise": True,
            "arguments": [{"type": "string", "value": json.dumps(arguments)}],
            "target": {"context": self.context}})
        if result["type"] == "exception":
            details = result["exceptionDetails"]
            raise BiDiError("the page's script threw: %s\n%s" % (details.get("text"), function))
        return json.loads(result["result"]["value"])

    def perform(self, *sources):
        """input.performActions's sources (key and pointer), then their keys and buttons up."""
        self.command("input.performActions", {"context": self.context, "actions": list(sources)})
        self.command("input.releaseActions", {"context": self.context})

    def screenshot(self, path):
        data = self.command("browsingContext.captureScreenshot", {"context": self.context})
        with open(path, "wb") as f:
            f.write(base64.b64decode(data["data"]))
