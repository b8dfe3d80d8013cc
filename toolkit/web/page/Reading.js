// Reading a picture: the canvas pixel under a point of the page, the program's readout of
// it in a box beside that point (placed where the program says), and taking the pixel.
(function (Z) {
  "use strict";

  // web_pixel_at answers a pixel as x * PIXEL_PACKING + y, or below zero for none.
  var PIXEL_PACKING = 65536;

  var readoutBox = null;
  function readout() {
    if (!readoutBox) {
      readoutBox = Z.el("div", "zreadout");
      readoutBox.setAttribute("aria-hidden", "true");
      document.body.appendChild(readoutBox);
    }
    return readoutBox;
  }

  // The readout beside a point of the page (client coordinates); no text hides it.
  function showReadout(text, x, y) {
    var box = readout();
    if (!text) {
      box.style.display = "none";
      return;
    }
    box.textContent = text;
    box.style.display = "block";
    var at = JSON.parse(Z.callText("web_place_readout",
      ["number", "number", "number", "number", "number", "number"],
      [Math.round(x), Math.round(y), box.offsetWidth, box.offsetHeight,
       document.documentElement.clientWidth, window.innerHeight]));
    box.style.left = at[0] + "px";
    box.style.top = at[1] + "px";
  }

  // The canvas pixel under a pointer's event; null where there is none.
  function pointAt(f, i, canvas, ev) {
    var r = canvas.getBoundingClientRect(), b = f.boxes[i];
    var p = Z.call("web_pixel_at", ["number", "number", "number", "number", "number", "number"],
                   [f.desc.id, i, ev.clientX - r.left, ev.clientY - r.top, b[2], b[3]]);
    return p < 0 ? null : [Math.floor(p / PIXEL_PACKING), p % PIXEL_PACKING];
  }

  function read(f, i, pixel, clientX, clientY) {
    f.reading = { image: i, pixel: pixel, x: clientX, y: clientY };
    var text = Z.callText("web_readout", ["number", "number", "number", "number"],
                          [f.desc.id, i, pixel[0], pixel[1]]);
    f.els[i].setAttribute("aria-description", text);
    showReadout(text, clientX, clientY);
  }

  // What a handler changed may change what the pixel reads.
  function readAgain(f) {
    var r = f.reading;
    if (r && readout().style.display === "block") read(f, r.image, r.pixel, r.x, r.y);
  }

  // Where the canvas pixel is shown in the picture: [left, top, width, height], CSS pixels.
  function shownBox(f, i, pixel) {
    var b = f.boxes[i];
    return JSON.parse(Z.callText("web_shown_box",
      ["number", "number", "number", "number", "number", "number"],
      [f.desc.id, i, pixel[0], pixel[1], b[2], b[3]]));
  }

  function pick(f, i, pixel) {
    Z.call("web_pick", ["number", "number", "number", "number"], [f.desc.id, i, pixel[0], pixel[1]]);
  }

  Z.showReadout = showReadout;
  Z.pointAt = pointAt;
  Z.read = read;
  Z.readAgain = readAgain;
  Z.shownBox = shownBox;
  Z.pick = pick;
})(ZPage);
