// The keyboard outside the pictures: the actions' keys (Ctrl+S and the like) and, on a form
// that takes them, the arrow keys, handed to the program.
(function (Z) {
  "use strict";

  // web_arrow's codes are the places in this list.
  var ARROW_KEYS = ["ArrowLeft", "ArrowUp", "ArrowRight", "ArrowDown"];

  // The keys as the description writes them: "ctrl+s", "f1".
  function keysOf(ev) {
    var k = ev.key.toLowerCase();
    // Ctrl+C on a Russian keyboard is Ctrl+С: the key's place names it.
    if (ev.code && /^Key[A-Z]$/.test(ev.code)) k = ev.code.slice("Key".length).toLowerCase();
    return (ev.ctrlKey || ev.metaKey ? "ctrl+" : "") + k;
  }

  function inTextField(ev) {
    return ev.target.tagName === "INPUT" && ev.target.type === "text";
  }

  function bindKeys(f) {
    var target = f.desc.main ? document : f.root;
    target.addEventListener("keydown", function (ev) {
      if (ev.defaultPrevented) return;
      // A window's own keys come first (its listener is nearer); the rest are the main form's.
      var keys = keysOf(ev);
      var inField = inTextField(ev);
      var waiting = Z.dialogOpen();
      f.desc.actions.forEach(function (a) {
        if (!a.keys || a.keys !== keys || ev.defaultPrevented) return;
        // A field keeps its own copy, and so does a dialog's message.
        if (a.keys === "ctrl+c" && (inField || waiting)) return;
        // Under a dialog the key is spent on nothing: not on the browser's own use of it
        // (F1's help, Ctrl+B's bookmarks) either.
        ev.preventDefault();
        if (!waiting) Z.perform(f, a);
      });
    });
  }

  function bindArrows(f) {
    f.root.addEventListener("keydown", function (ev) {
      if (ev.defaultPrevented || ev.ctrlKey || ev.altKey || ev.metaKey || ev.shiftKey) return;
      if (inTextField(ev)) return;
      var key = ARROW_KEYS.indexOf(ev.key);
      if (key < 0) return;
      ev.preventDefault();
      Z.call("web_arrow", ["number", "number"], [f.desc.id, key]);
    });
  }

  Z.bindKeys = bindKeys;
  Z.bindArrows = bindArrows;
})(ZPage);
