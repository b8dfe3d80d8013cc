// A picture's canvas: the pixels the program hands over put on it, and a readable
// picture's ways of being read (the pointer, a touch, the keyboard's cross, a file dropped).
(function (Z) {
  "use strict";

  // The moment the page first shows a chart, for the benchmarks (bench/web).
  var firstShown = false;

  // The picture's pixels, of which the rows from `top`, `rows` of them, are new: a canvas
  // made anew (another size) takes them all.
  function picture(id, i, bytes, width, height, blocks, top, rows) {
    var f = Z.forms[id];
    if (!f) return;
    var canvas = f.els[i];
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
      top = 0;
      rows = height;
    }
    canvas.style.imageRendering = blocks ? "pixelated" : "auto";
    canvas.getContext("2d").putImageData(new ImageData(bytes, width, height), 0, 0, 0, top, width, rows);
    if (!firstShown) {
      firstShown = true;
      performance.mark("zchart-first-picture");
    }
    if (f.reading && f.reading.image === i) Z.readAgain(f);
  }

  function bindPicture(f, c, canvas) {
    canvas.tabIndex = 0;
    Z.bindPointer(f, c.i, canvas);
    Z.bindTouch(f, c.i, canvas);
    Z.bindCross(f, c.i, canvas);
    Z.bindDrop(f, canvas);
  }

  Z.picture = picture;
  Z.bindPicture = bindPicture;
})(ZPage);
