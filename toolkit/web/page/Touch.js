// A finger on a picture: a tap reads the point, a second tap there takes it, a long press
// opens the picture's menu, and a press that moves is a scroll, left to the browser; a press
// the picture took for a drag (Drag.js) is none of these.
(function (Z) {
  "use strict";

  var LONG_PRESS_MS = 550;
  // A press that moves further than this (CSS pixels, across plus down) is a scroll.
  var TOUCH_SLOP = 12;
  // A second tap within this time, and this near in canvas pixels, takes the point.
  var DOUBLE_TAP_MS = 400, DOUBLE_TAP_PIXELS = 16;
  // The browser's mouse events that follow a tap (focus, click, double-click) come within
  // this long of the finger's lifting.
  var TAP_ECHO_MS = 1000;

  // Whether a finger was on the form's picture a moment ago: what the mouse's events say
  // then is the tap's echo, already answered.
  function touchedLately(f) {
    return f.touchedAt !== undefined && Date.now() - f.touchedAt < TAP_ECHO_MS;
  }

  function bindTouch(f, i, canvas) {
    var press = null, lastTap = null;
    var moved = function (ev) {
      return Math.abs(ev.clientX - press.x) + Math.abs(ev.clientY - press.y) > TOUCH_SLOP;
    };
    var tapped = function (ev) {
      var p = Z.pointAt(f, i, canvas, ev), now = Date.now();
      if (!p) return;
      Z.read(f, i, p, ev.clientX, ev.clientY);
      if (lastTap && now - lastTap.t < DOUBLE_TAP_MS &&
          Math.abs(lastTap.p[0] - p[0]) + Math.abs(lastTap.p[1] - p[1]) < DOUBLE_TAP_PIXELS) {
        lastTap = null;
        Z.pick(f, i, p);
      } else {
        lastTap = { t: now, p: p };
      }
    };
    var endPress = function (ev, tap) {
      if (!press) return;
      clearTimeout(press.timer);
      var away = moved(ev);
      press = null;
      if (tap && !away) tapped(ev);
    };
    canvas.addEventListener("pointerdown", function (ev) {
      if (ev.pointerType !== "touch") return;
      f.touchedAt = Date.now();
      if (f.dragging === ev.pointerId) return;
      var x = ev.clientX, y = ev.clientY;
      press = { x: x, y: y, timer: setTimeout(function () {
        press = null;
        Z.showMenu(f, x, y);
      }, LONG_PRESS_MS) };
    });
    canvas.addEventListener("pointerup", function (ev) {
      if (ev.pointerType === "touch") f.touchedAt = Date.now();
      endPress(ev, ev.pointerType === "touch");
    });
    canvas.addEventListener("pointercancel", function (ev) { endPress(ev, false); });
    canvas.addEventListener("pointermove", function (ev) {
      if (press && moved(ev)) {
        clearTimeout(press.timer);
        press = null;
      }
    });
  }

  Z.touchedLately = touchedLately;
  Z.bindTouch = bindTouch;
})(ZPage);
