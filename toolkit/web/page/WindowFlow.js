// A window's size from its form's laid-out size, the same in every engine; one narrower
// than its designed width (a phone's) keeps its controls within that width, wraps their
// captions there and moves each row of controls down by what the rows above it grew.
// Example: the steps window, designed 640 wide, on a 390-pixel screen is 380 wide and each
// step's row takes two lines where it needs them.
(function (Z) {
  "use strict";

  // A control narrowed to the window keeps at least this width.
  var NARROWEST = 40;

  // The top-level controls, narrowed to the window's width less the margin at their left.
  function narrow(f, width) {
    var left = Infinity;
    f.desc.controls.forEach(function (c) {
      if (c.parent < 0) left = Math.min(left, f.boxes[c.i][0]);
    });
    f.desc.controls.forEach(function (c) {
      if (c.parent >= 0 || c.kind === "image") return;
      var b = f.boxes[c.i], e = f.els[c.i];
      e.style.width = Math.max(NARROWEST, Math.min(b[2], width - left - b[0])) + "px";
      e.style.wordSpacing = "";
    });
  }

  // Each row (the controls of one designed top) down by what the rows above it grew;
  // a control inside a group with its group. Answers how much the form grew.
  function flow(f) {
    var top = f.desc.controls.filter(function (c) { return c.parent < 0; });
    top.sort(function (a, b) { return f.boxes[a.i][1] - f.boxes[b.i][1]; });
    var shift = 0, grown = 0, rowTop = null, shiftOf = {};
    top.forEach(function (c) {
      var b = f.boxes[c.i], e = f.els[c.i];
      if (b[1] !== rowTop) {
        shift += grown;
        grown = 0;
        rowTop = b[1];
      }
      shiftOf[c.i] = shift;
      e.style.top = (b[1] + shift) + "px";
      if (e.style.display !== "none") grown = Math.max(grown, e.offsetHeight - b[3]);
    });
    f.desc.controls.forEach(function (c) {
      if (c.parent >= 0) f.els[c.i].style.top = (f.boxes[c.i][1] + shiftOf[c.parent]) + "px";
    });
    return shift + grown;
  }

  // The window's width and its form's, from the width it was laid out in: `laid` is what
  // the program answered for it.
  // The width a window's body keeps for its scroll bar; 0 for the main form.
  function gutterOf(f) {
    var body = f.panel ? f.panel.lastChild : null;
    return body ? body.offsetWidth - body.clientWidth : 0;
  }

  // A window laid out for fingers (Fingers.js) has its rows placed for its width already:
  // the panel only takes the form's width and its body's scroll bar.
  function fitWindow(f, width, laid, fingers) {
    var narrower = !fingers && width < f.desc.width;
    f.root.classList.toggle("zflow", narrower);
    if (fingers) {
      f.panel.style.width = f.root.offsetWidth + gutterOf(f) + "px";
      return;
    }
    var w = laid.width, h = laid.height;
    if (narrower) {
      w = Math.min(w, width);
      narrow(f, width);
      h += flow(f);
    }
    f.root.style.width = w + "px";
    f.root.style.height = h + "px";
    // Its body's scroll bar beside the form, where one takes room (Firefox's on a desktop,
    // 12 px), rather than over the form's right edge.
    f.panel.style.width = w + gutterOf(f) + "px";
  }

  // Captions changed: the rows of a narrowed window flow again.
  function reflow(f) {
    if (!f.panel || !f.root.classList.contains("zflow")) return;
    var laid = f.laid;
    f.root.style.height = (laid.height + flow(f)) + "px";
  }

  Z.fitWindow = fitWindow;
  Z.gutterOf = gutterOf;
  Z.reflow = reflow;
})(ZPage);
