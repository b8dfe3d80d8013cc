// The pointer over a picture reads the pixel under it; leaving, it hands the readout back
// to the keyboard's cross; a double-click takes the pixel. A finger reads by its taps
// (Touch.js), not as it slides: a finger lifted "leaves" the canvas at once, and its taps
// come again as the browser's clicks and double-clicks at whole CSS pixels, which would
// read and take another point than the tap showed.
(function (Z) {
  "use strict";

  function bindPointer(f, i, canvas) {
    canvas.addEventListener("pointermove", function (ev) {
      if (ev.pointerType === "touch") return;
      var p = Z.pointAt(f, i, canvas, ev);
      if (p) Z.read(f, i, p, ev.clientX, ev.clientY);
    });
    canvas.addEventListener("pointerleave", function (ev) {
      if (ev.pointerType === "touch") return;
      if (f.crossAt && document.activeElement === canvas) Z.readAtCross(f, i);
      else Z.showReadout("");
    });
    canvas.addEventListener("dblclick", function (ev) {
      if (Z.touchedLately(f)) return;
      var p = Z.pointAt(f, i, canvas, ev);
      if (p) Z.pick(f, i, p);
    });
  }

  Z.bindPointer = bindPointer;
})(ZPage);
