// The page's address after its «#», as the program keeps it (WebHost::SetAddress): written in
// place with replaceState, so that the back button leaves the page rather than stepping
// through every turn of a slider, and at most every 200 ms, the last text always written
// (the browser refuses a flood of replaceState). The program reads what the page was opened
// with once, as it starts.
ZPage.address = (function () {
  "use strict";

  var kEvery = 200; // ms
  var pending = null, timer = 0;

  function write() {
    timer = 0;
    var bare = location.pathname + location.search;
    history.replaceState(history.state, "", pending ? bare + "#" + pending : bare);
  }

  function set(text) {
    pending = text;
    if (!timer) timer = setTimeout(write, kEvery);
  }

  function get() {
    return location.hash.replace(/^#/, "");
  }

  return { set: set, get: get };
})();
