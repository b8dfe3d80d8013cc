#!/usr/bin/env bash
# The pages' tests in real browsers, on the pages scripts/web.sh left in build-web/ (built
# first when missing): Debian's Chromium, headless, driven through chromedriver by Selenium
# (tests/web/page_test.py), then Debian's Firefox ESR, headless, driven through its own
# WebDriver BiDi over a WebSocket (tests/web/firefox_test.py, tests/web/bidi.py).
# Screenshots go to build-web/shots/.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
# Debian's Selenium and websocket-client are modules of Debian's Python: /usr/bin/python3,
# whatever python3 is first on the PATH.
scripts/setup.sh chromium chromium-driver python3-selenium firefox-esr python3-websocket
[ -f build-web/dist/zmatch.html ] && [ -f build-web/tests/web/controls.html ] || scripts/web.sh
/usr/bin/python3 tests/web/page_test.py build-web
chromium=$SECONDS
/usr/bin/python3 tests/web/firefox_test.py build-web
echo "scripts/web-test.sh: $((SECONDS - started)) s (Chromium $((chromium - started)) s," \
     "Firefox $((SECONDS - chromium)) s)"
