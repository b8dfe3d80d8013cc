// Tuning a picture with the pointer: the wheel over it, and a drag it takes. The program
// answers web_press whether a point the user can move lies under the press (a node of the
// chain's chart); only then is the drag the picture's: the moves and the release go to the
// program, and a finger's drag moves the point instead of scrolling the page. Any other
// press is left as it was: the pointer reads, a double-click or a double tap takes a point,
// a finger's move scrolls (Pointer.js, Touch.js).
(function (Z) {
  "use strict";

  // Pixels of a wheel's turn to a notch: Chromium's step for a desktop wheel's click. A
  // touchpad's smaller turns add up until they make one.
  var NOTCH_PIXELS = 100;

  // Whole notches (up positive) out of a wheel event, the rest kept in `turn`.
  function notches(turn, ev) {
    if (ev.deltaMode !== 0) return ev.deltaY < 0 ? 1 : ev.deltaY > 0 ? -1 : 0;
    if ((ev.deltaY < 0 && turn.rest < 0) || (ev.deltaY > 0 && turn.rest > 0)) turn.rest = 0;
    turn.rest -= ev.deltaY;
    var n = Math.trunc(turn.rest / NOTCH_PIXELS);
    turn.rest -= n * NOTCH_PIXELS;
    return n;
  }

  // A list's wheel over its rows (-1: below them), taken when the program's list takes it.
  function bindListWheel(f, c, e) {
    var turn = { rest: 0 };
    e.addEventListener("wheel", function (ev) {
      var row = ev.target.closest(".zrow");
      var n = notches(turn, ev);
      var coarse = ev.ctrlKey || ev.shiftKey ? 1 : 0;
      if (Z.call("web_list_wheel", ["number", "number", "number", "number", "number"],
                 [f.desc.id, c.i, row ? row.zIndex : -1, n, coarse]))
        ev.preventDefault();
    }, { passive: false });
  }

  function bindDrag(f, i, canvas) {
    var turn = { rest: 0 };
    var args = ["number", "number", "number", "number"];
    canvas.addEventListener("wheel", function (ev) {
      var p = Z.pointAt(f, i, canvas, ev);
      if (!p) return;
      var n = notches(turn, ev), coarse = ev.ctrlKey || ev.shiftKey ? 1 : 0;
      if (Z.call("web_image_wheel", args.concat(["number", "number"]),
                 [f.desc.id, i, p[0], p[1], n, coarse]))
        ev.preventDefault();
    }, { passive: false });
    canvas.addEventListener("pointerdown", function (ev) {
      if (ev.button !== 0 || f.dragging != null) return;
      var p = Z.pointAt(f, i, canvas, ev);
      if (!p || !Z.call("web_press", args, [f.desc.id, i, p[0], p[1]])) return;
      f.dragging = ev.pointerId;
      canvas.setPointerCapture(ev.pointerId);
    });
    // Before the browser starts to scroll: a finger that took a point keeps the page still.
    canvas.addEventListener("touchstart", function (ev) {
      if (f.dragging != null) ev.preventDefault();
    }, { passive: false });
    canvas.addEventListener("pointermove", function (ev) {
      if (f.dragging !== ev.pointerId) return;
      var p = Z.pointAt(f, i, canvas, ev);
      if (p) Z.call("web_drag", args, [f.desc.id, i, p[0], p[1]]);
      if (p && ev.pointerType === "touch") Z.read(f, i, p, ev.clientX, ev.clientY);
    });
    var end = function (ev) {
      if (f.dragging !== ev.pointerId) return;
      f.dragging = null;
      var p = Z.pointAt(f, i, canvas, ev) || [-1, -1];
      Z.call("web_release", args, [f.desc.id, i, p[0], p[1]]);
    };
    canvas.addEventListener("pointerup", end);
    canvas.addEventListener("pointercancel", end);
  }

  Z.bindListWheel = bindListWheel;
  Z.bindDrag = bindDrag;
})(ZPage);
