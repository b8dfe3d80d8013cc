// A window's size from its form's laid-out size, the same in every engine; one narrower
// than its designed width (a phone's) keeps its controls within that width, wraps their
// captions there and moves each row of controls down by what the rows above it grew.
// Example: the steps window, designed 640 wide, on a 390-pixel screen is 380 wide and each
// step's row takes two lines where it needs them.
(function (Z) {
  "use strict";

  // A control narrowed to the window keeps at least this width.
  var NARROWEST = 40;
  // Between a row and a control wrapped under it.
  var WRAP_GAP = 4;

  // The top-level controls, narrowed to the window's width less the margin at their left,
  // and the controls in a group to the group's;
  // one that would start too near the right edge to keep NARROWEST of its width (λ/8, λ/4,
  // 3λ/8 in a row: the last) is marked to go under its row.
  function narrow(f, width) {
    // The margin at the left of the form and of each group. (A stacked picture spans the
    // window from its edge: it sets no margin.)
    var left = Infinity, inset = {};
    f.desc.controls.forEach(function (c) {
      var x = f.boxes[c.i][0];
      if (c.parent >= 0) inset[c.parent] = Math.min(x, c.parent in inset ? inset[c.parent] : x);
      else if (c.kind !== "image") left = Math.min(left, x);
    });
    f.wrapped = {};
    f.desc.controls.forEach(function (c) {
      if (c.kind === "image") return;
      var b = f.boxes[c.i], e = f.els[c.i], room = width - left - b[0];
      if (c.parent >= 0) {
        // Within its group as narrowed, the group's margin kept at its right.
        var group = parseFloat(f.els[c.parent].style.width) || f.boxes[c.parent][2];
        e.style.width = Math.max(NARROWEST, Math.min(b[2], group - inset[c.parent] - b[0])) + "px";
        return;
      }
      e.style.wordSpacing = "";
      if (room < Math.min(b[2], NARROWEST) && c.kind !== "label") {
        f.wrapped[c.i] = true;
        e.style.width = b[2] + "px";
      } else {
        e.style.width = Math.max(NARROWEST, Math.min(b[2], room)) + "px";
      }
    });
  }

  // The top-level controls in rows, a row those of one designed top, from the top down.
  function rowsOf(f) {
    var top = f.desc.controls.filter(function (c) { return c.parent < 0; });
    top.sort(function (a, b) { return f.boxes[a.i][1] - f.boxes[b.i][1]; });
    var rows = [];
    top.forEach(function (c) {
      var row = rows[rows.length - 1];
      if (row && f.boxes[row[0].i][1] === f.boxes[c.i][1]) row.push(c);
      else rows.push([c]);
    });
    return rows;
  }

  // Each row down by what the rows above it grew; a control inside a group with its group,
  // and a control marked to wrap on a line under its row, from the row's left. Answers
  // how much the form grew.
  function flow(f) {
    var shift = 0, shiftOf = {}, wrapped = f.wrapped || {};
    // Every height is read before any control moves: a read after a move lays the page out
    // again, and a drag in a narrowed chain window flows its rows on every step.
    var heights = {};
    f.desc.controls.forEach(function (c) {
      var e = f.els[c.i];
      heights[c.i] = e.style.display === "none" ? -1 : e.offsetHeight;
    });
    rowsOf(f).forEach(function (row) {
      var grown = 0, height = 0, rowLeft = Infinity, under = [];
      row.forEach(function (c) {
        var b = f.boxes[c.i], e = f.els[c.i];
        shiftOf[c.i] = shift;
        e.style.top = (b[1] + shift) + "px";
        if (wrapped[c.i]) return under.push(c);
        rowLeft = Math.min(rowLeft, b[0]);
        if (heights[c.i] < 0) return;
        grown = Math.max(grown, heights[c.i] - b[3]);
        height = Math.max(height, heights[c.i]);
      });
      var below = 0;
      under.forEach(function (c) {
        var e = f.els[c.i];
        e.style.left = rowLeft + "px";
        e.style.top = (f.boxes[c.i][1] + shift + height + WRAP_GAP) + "px";
        if (heights[c.i] >= 0) below = Math.max(below, WRAP_GAP + heights[c.i]);
      });
      shift += grown + below;
    });
    f.desc.controls.forEach(function (c) {
      if (c.parent >= 0) f.els[c.i].style.top = (f.boxes[c.i][1] + shiftOf[c.parent]) + "px";
    });
    return shift;
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
