// The pointer over a picture reads the pixel under it; leaving, it hands the readout back
// to the keyboard's cross; a double-click takes the pixel. A finger reads by its taps
// (Touch.js), not as it slides.
(function (Z) {
  "use strict";

  function bindPointer(f, i, canvas) {
    canvas.addEventListener("pointermove", function (ev) {
      if (ev.pointerType === "touch") return;
      var p = Z.pointAt(f, i, canvas, ev);
      if (p) Z.read(f, i, p, ev.clientX, ev.clientY);
    });
    canvas.addEventListener("pointerleave", function () {
      if (f.crossAt && document.activeElement === canvas) Z.readAtCross(f, i);
      else Z.showReadout("");
    });
    canvas.addEventListener("dblclick", function (ev) {
      var p = Z.pointAt(f, i, canvas, ev);
      if (p) Z.pick(f, i, p);
    });
  }

  Z.bindPointer = bindPointer;
})(ZPage);
