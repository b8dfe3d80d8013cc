#!/usr/bin/env bash
# The pages' tests in a real browser (tests/web/page_test.py): Debian's Chromium, headless,
# driven through chromedriver by Selenium, on the pages scripts/web.sh left in build-web/
# (built first when missing). Screenshots go to build-web/shots/.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
# Debian's Selenium is a module of Debian's Python: /usr/bin/python3, whatever python3 is first
# on the PATH.
scripts/setup.sh chromium chromium-driver python3-selenium
[ -f build-web/dist/zmatch.html ] && [ -f build-web/tests/web/controls.html ] || scripts/web.sh
/usr/bin/python3 tests/web/page_test.py build-web
echo "scripts/web-test.sh: $((SECONDS - started)) s"
