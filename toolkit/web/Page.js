// The page's half of the web binding: builds each form's elements from the description the
// program hands over (toolkit/web/FormPage.h), keeps them as the program says after every
// handler, and hands what the user does back to the program (toolkit/web/PageEvents.cpp).
// No rule of the toolkit is written twice here: where a pixel lies, where the readout goes
// and how the controls stand on a narrow screen are asked of the program.
//
// Sections: calls into the program · building a form · layout · pictures and reading ·
// the menu and its keys · dialogs and questions · files, clipboard, printing · windows.
var ZPage = (function () {
  "use strict";

  var forms = {}; // id → {desc, root, panel, els, boxes, images, cross}
  var topZ = 10;

  // ---- calls into the program ------------------------------------------------------------
  function call(name, types, args) {
    return Module.ccall(name, "number", types, args);
  }
  function callText(name, types, args) {
    return Module.ccall(name, "string", types, args);
  }

  // ---- building a form --------------------------------------------------------------------
  function el(tag, cls) {
    var e = document.createElement(tag);
    if (cls) e.className = cls;
    return e;
  }

  function makeControl(f, c) {
    var id = f.desc.id, e, input;
    switch (c.kind) {
      case "image":
        e = el("canvas", "zimage");
        e.setAttribute("role", "img");
        e.setAttribute("aria-label", "Диаграмма");
        if (c.readable) bindPicture(f, c, e);
        bindMenu(f, e);
        break;
      case "label":
        e = el("span", c.link ? "zlabel zlink" : "zlabel");
        e.textContent = c.text;
        if (c.link) e.setAttribute("role", "link");
        e.addEventListener("click", function () { call("web_click", ["number", "number"], [id, c.i]); });
        break;
      case "edit":
        e = el("input", "zedit");
        e.type = "text";
        e.value = c.text;
        e.spellcheck = false;
        e.setAttribute("autocomplete", "off");
        e.setAttribute("inputmode", "decimal");
        e.addEventListener("input", function () {
          Module.ccall("web_text", null, ["number", "number", "string"], [id, c.i, e.value]);
        });
        break;
      case "button":
        e = el("button", "zbutton");
        e.type = "button";
        e.textContent = c.text;
        e.addEventListener("click", function () { call("web_click", ["number", "number"], [id, c.i]); });
        break;
      case "group":
        e = el("fieldset", "zgroup");
        var legend = el("legend");
        legend.textContent = c.text;
        e.appendChild(legend);
        break;
      case "radio":
      case "check":
        e = el("label", c.kind === "radio" ? "zradio" : "zcheck");
        input = el("input");
        input.type = c.kind === "radio" ? "radio" : "checkbox";
        if (c.kind === "radio") input.name = "f" + id + "g" + c.parent;
        input.checked = c.checked;
        var span = el("span");
        span.textContent = c.text;
        e.appendChild(input);
        e.appendChild(span);
        input.addEventListener("change", function () {
          if (c.kind === "radio" && !input.checked) return;
          call("web_check", ["number", "number", "number"], [id, c.i, input.checked ? 1 : 0]);
        });
        e.input = input;
        break;
      case "rowlist": // page/RowList.js
        e = zRowList(id, c);
        break;
      case "slider": // page/SliderValue.js
        e = zSliderValue(id, c);
        break;
    }
    if (c.color !== "#000000") e.style.color = c.color;
    // The control's own name, by which tests and assistive scripts find it.
    e.dataset.name = c.name;
    return e;
  }

  // The element that takes the focus for a control, if any.
  function focusable(e) {
    if (!e) return null;
    if (e.input) return e.input;
    if (e.tagName === "INPUT" || e.tagName === "BUTTON" || e.tagName === "CANVAS") return e;
    return null;
  }

  function showForm(desc) {
    var f = { desc: desc, els: [], images: [], overlay: false };
    forms[desc.id] = f;
    f.root = el("div", "zform");
    f.root.formId = desc.id;
    desc.order.forEach(function (i) {
      var c = desc.controls[i];
      var e = makeControl(f, c);
      f.els[i] = e;
      f.root.appendChild(e);
      if (c.kind === "image") f.images.push(i);
      var target = focusable(e);
      if (target) target.tabIndex = desc.stops.indexOf(i) >= 0 ? 0 : -1;
    });
    if (desc.arrows) bindArrows(f);
    bindKeys(f);
    if (desc.main) {
      document.title = desc.caption;
      document.getElementById("zmain").appendChild(f.root);
      layout(f);
      // Typing starts in the first field, as in the desktop window; on a narrow screen the
      // chart comes first, and a focused field would scroll past it and call up a keyboard.
      var first = desc.stops.length ? focusable(f.els[desc.stops[0]]) : null;
      if (first && !f.stacked) first.focus({ preventScroll: true });
    } else {
      openWindow(f);
    }
  }

  function refresh(ch) {
    var f = forms[ch.id];
    if (!f) return;
    if (ch.raise) {
      if (f.panel) raiseWindow(f);
      return;
    }
    if (ch.caption !== undefined) {
      f.desc.caption = ch.caption;
      if (f.desc.main) document.title = ch.caption;
      else if (f.title) f.title.textContent = ch.caption;
    }
    (ch.controls || []).forEach(function (c) {
      var e = f.els[c.i], kind = f.desc.controls[c.i].kind;
      if (!e) return;
      if (kind === "edit") {
        if (e.value !== c.text) e.value = c.text;
      } else if (kind === "group") {
        e.firstChild.textContent = c.text;
      } else if (kind === "radio" || kind === "check") {
        e.lastChild.textContent = c.text;
        e.input.checked = c.checked;
      } else if (kind === "rowlist") {
        zRowListShow(e, c.state);
      } else if (kind === "slider") {
        zSliderValueShow(e, c.text, c.state);
      } else if (kind === "label" || kind === "button") {
        if (e.textContent !== c.text) {
          e.textContent = c.text;
          if (kind === "label" && e.style.wordSpacing) e.style.wordSpacing = "";
        }
      }
      if (c.hint) e.title = c.hint;
      else e.removeAttribute("title");
      e.style.display = c.visible ? "" : "none";
    });
    if (ch.overlay !== undefined) f.overlay = ch.overlay;
  }

  // ---- layout ------------------------------------------------------------------------------
  function roomFor(f) {
    if (f.desc.main) return document.documentElement.clientWidth;
    return f.room || f.desc.width;
  }

  function layout(f) {
    var width = roomFor(f);
    var l = JSON.parse(callText("web_layout", ["number", "number"], [f.desc.id, width]));
    f.stacked = l.stacked;
    f.root.style.width = l.width + "px";
    f.root.style.height = l.height + "px";
    f.root.classList.toggle("zstacked", l.stacked);
    f.boxes = l.boxes;
    f.desc.controls.forEach(function (c) {
      var e = f.els[c.i], b = l.boxes[c.i].slice();
      if (c.parent >= 0) {
        b[0] += l.boxes[c.parent][0];
        b[1] += l.boxes[c.parent][1];
      }
      e.style.left = b[0] + "px";
      e.style.top = b[1] + "px";
      if (c.kind !== "label" || c.link) e.style.width = b[2] + "px";
      if (c.kind !== "label") e.style.height = b[3] + "px";
      f.boxes[c.i] = b;
    });
    f.desc.controls.forEach(function (c) {
      if (c.kind === "label" && !c.link) fitCaption(f, c);
    });
    f.images.forEach(function (i) { reshow(f, i); });
  }

  // A designed caption that our face sets wider than its box closes up its blanks to fit
  // where the program says it would run under the control beside it («Zн=        +j»):
  // the window was laid out on whole-pixel advances, which the browser's text does not
  // round to; a pixel over is the browser's rounding, and stays.
  function fitCaption(f, c) {
    var e = f.els[c.i], b = f.boxes[c.i];
    e.style.wordSpacing = "";
    var blanks = (e.textContent.match(/ /g) || []).length;
    var excess = e.offsetWidth - b[2];
    if (!blanks || excess <= 1) return;
    var under = call("web_caption_runs_under", ["number", "number", "number", "number"],
                     [f.desc.id, c.i, e.offsetWidth, roomFor(f)]);
    if (under) e.style.wordSpacing = (-excess / blanks).toFixed(2) + "px";
  }

  function ratio() {
    var zoom = window.visualViewport ? window.visualViewport.scale : 1;
    return (window.devicePixelRatio || 1) * Math.max(1, zoom);
  }

  function reshow(f, i) {
    var b = f.boxes[i];
    call("web_reshown", ["number", "number", "number", "number", "number"],
         [f.desc.id, i, b[2], b[3], ratio()]);
  }

  function relayoutAll() {
    Object.keys(forms).forEach(function (id) {
      var f = forms[id];
      if (!f.desc.main) placeWindow(f);
      layout(f);
      if (!f.desc.main) keepInView(f);
    });
  }

  // ---- pictures and reading ----------------------------------------------------------------
  // The picture's pixels, of which the rows from `top`, `rows` of them, are new: a canvas
  // made anew (another size) takes them all.
  var firstShown = false;
  function picture(id, i, bytes, width, height, blocks, top, rows) {
    var f = forms[id];
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
    // The moment the page first shows a chart, for the benchmarks (bench/web).
    if (!firstShown) {
      firstShown = true;
      performance.mark("zchart-first-picture");
    }
    if (f.reading && f.reading.image === i) readAgain(f);
  }

  var readoutBox = null;
  function readout() {
    if (!readoutBox) {
      readoutBox = el("div", "zreadout");
      readoutBox.setAttribute("aria-hidden", "true");
      document.body.appendChild(readoutBox);
    }
    return readoutBox;
  }

  // The readout beside a point of the page (client coordinates), as the program places it.
  function showReadout(text, x, y) {
    var box = readout();
    if (!text) {
      box.style.display = "none";
      return;
    }
    box.textContent = text;
    box.style.display = "block";
    var at = JSON.parse(callText("web_place_readout",
      ["number", "number", "number", "number", "number", "number"],
      [Math.round(x), Math.round(y), box.offsetWidth, box.offsetHeight,
       document.documentElement.clientWidth, window.innerHeight]));
    box.style.left = at[0] + "px";
    box.style.top = at[1] + "px";
  }

  function pixelAt(f, i, x, y) {
    var b = f.boxes[i];
    var p = call("web_pixel_at", ["number", "number", "number", "number", "number", "number"],
                 [f.desc.id, i, x, y, b[2], b[3]]);
    return p < 0 ? null : [Math.floor(p / 65536), p % 65536];
  }

  function read(f, i, pixel, clientX, clientY) {
    f.reading = { image: i, pixel: pixel, x: clientX, y: clientY };
    var text = callText("web_readout", ["number", "number", "number", "number"],
                        [f.desc.id, i, pixel[0], pixel[1]]);
    f.els[i].setAttribute("aria-description", text);
    showReadout(text, clientX, clientY);
  }

  // What a handler changed may change what the pixel reads.
  function readAgain(f) {
    var r = f.reading;
    if (r && readout().style.display === "block") read(f, r.image, r.pixel, r.x, r.y);
  }

  function shownBox(f, i, pixel) {
    var b = f.boxes[i];
    return JSON.parse(callText("web_shown_box",
      ["number", "number", "number", "number", "number", "number"],
      [f.desc.id, i, pixel[0], pixel[1], b[2], b[3]]));
  }

  // The reading cross, kept and described by the program (toolkit/ReadingCross.h): its
  // answer to a key (0 left, 1 right, 2 up, 3 down, 4 Enter, 5 Esc) or to the focus coming
  // (6) or going (7), and the pieces to fill over the picture, in order.
  var CROSS_FOCUS_IN = 6, CROSS_FOCUS_OUT = 7;
  var crossKeys = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3, Enter: 4, Escape: 5 };

  function crossDo(f, i, what, shift) {
    var b = f.boxes[i];
    var cross = JSON.parse(callText("web_cross",
      ["number", "number", "number", "number", "number", "number"],
      [f.desc.id, i, what, shift ? 1 : 0, b[2], b[3]]));
    if (!cross || !forms[f.desc.id]) return null;
    f.crossAt = cross.shown ? cross.at : null;
    drawCross(f, i, cross.pieces);
    if (cross.answer === "hidden") showReadout("");
    else if (cross.answer === "moved" || cross.answer === "shown") readAtCross(f, i);
    return cross;
  }

  function drawCross(f, i, pieces) {
    if (!f.cross) {
      f.cross = el("div", "zcross");
      f.root.appendChild(f.cross);
    }
    var b = f.boxes[i];
    f.cross.style.display = pieces.length ? "block" : "none";
    f.cross.style.left = b[0] + "px";
    f.cross.style.top = b[1] + "px";
    while (f.cross.children.length < pieces.length) f.cross.appendChild(el("div"));
    pieces.forEach(function (p, k) {
      var s = f.cross.children[k].style;
      s.left = p[0] + "px"; s.top = p[1] + "px"; s.width = p[2] + "px"; s.height = p[3] + "px";
      s.background = p[4];
    });
  }

  function readAtCross(f, i) {
    var box = shownBox(f, i, f.crossAt), r = f.els[i].getBoundingClientRect();
    read(f, i, f.crossAt, r.left + box[0] + box[2] / 2, r.top + box[1] + box[3] / 2);
  }

  function pick(f, i, pixel) {
    call("web_pick", ["number", "number", "number", "number"], [f.desc.id, i, pixel[0], pixel[1]]);
  }

  function bindPicture(f, c, canvas) {
    canvas.tabIndex = 0;
    bindPointer(f, c.i, canvas);
    bindTouch(f, c.i, canvas);
    bindCross(f, c.i, canvas);
    bindDrop(f, canvas);
  }

  // The canvas pixel under a pointer's event.
  function pointAt(f, i, canvas, ev) {
    var r = canvas.getBoundingClientRect();
    return pixelAt(f, i, ev.clientX - r.left, ev.clientY - r.top);
  }

  // The pointer reads the pixel under it; leaving, it hands the readout back to the cross;
  // a double-click takes the pixel.
  function bindPointer(f, i, canvas) {
    canvas.addEventListener("pointermove", function (ev) {
      if (ev.pointerType === "touch" && !f.touchReading) return;
      var p = pointAt(f, i, canvas, ev);
      if (p) read(f, i, p, ev.clientX, ev.clientY);
    });
    canvas.addEventListener("pointerleave", function () {
      if (f.crossAt && document.activeElement === canvas) readAtCross(f, i);
      else showReadout("");
    });
    canvas.addEventListener("dblclick", function (ev) {
      var p = pointAt(f, i, canvas, ev);
      if (p) pick(f, i, p);
    });
  }

  // A touch: a tap reads the point, a second tap there takes it, a long press opens the
  // menu. A press that moves further than TOUCH_SLOP CSS pixels is a scroll.
  var LONG_PRESS_MS = 550, DOUBLE_TAP_MS = 400, TOUCH_SLOP = 12, DOUBLE_TAP_PIXELS = 16;
  function bindTouch(f, i, canvas) {
    var press = null, lastTap = null;
    var moved = function (ev) {
      return Math.abs(ev.clientX - press.x) + Math.abs(ev.clientY - press.y) > TOUCH_SLOP;
    };
    canvas.addEventListener("pointerdown", function (ev) {
      if (ev.pointerType !== "touch") return;
      var x = ev.clientX, y = ev.clientY;
      press = { x: x, y: y, timer: setTimeout(function () {
        press = null;
        showMenu(f, x, y);
      }, LONG_PRESS_MS) };
    });
    var endPress = function (ev, tap) {
      if (!press) return;
      clearTimeout(press.timer);
      var away = moved(ev);
      press = null;
      if (!tap || away) return;
      var p = pointAt(f, i, canvas, ev), now = Date.now();
      if (!p) return;
      read(f, i, p, ev.clientX, ev.clientY);
      if (lastTap && now - lastTap.t < DOUBLE_TAP_MS &&
          Math.abs(lastTap.p[0] - p[0]) + Math.abs(lastTap.p[1] - p[1]) < DOUBLE_TAP_PIXELS) {
        lastTap = null;
        pick(f, i, p);
      } else {
        lastTap = { t: now, p: p };
      }
    };
    canvas.addEventListener("pointerup", function (ev) { endPress(ev, ev.pointerType === "touch"); });
    canvas.addEventListener("pointercancel", function (ev) { endPress(ev, false); });
    canvas.addEventListener("pointermove", function (ev) {
      if (press && moved(ev)) {
        clearTimeout(press.timer);
        press = null;
      }
    });
  }

  // The keyboard's reading cross: the program moves it, shows it and hides it.
  function bindCross(f, i, canvas) {
    canvas.addEventListener("focus", function () { crossDo(f, i, CROSS_FOCUS_IN, false); });
    canvas.addEventListener("blur", function () { crossDo(f, i, CROSS_FOCUS_OUT, false); });
    canvas.addEventListener("keydown", function (ev) {
      var key = crossKeys[ev.key];
      if (key === undefined) return;
      var cross = crossDo(f, i, key, ev.shiftKey);
      if (!cross || cross.answer === "ignored") return;
      ev.preventDefault();
      if (cross.answer === "moved") ev.stopPropagation();
    });
  }

  // A Touchstone file dropped on the picture is read as the menu's row would read it.
  function bindDrop(f, canvas) {
    canvas.addEventListener("dragover", function (ev) {
      if (ev.dataTransfer && Array.prototype.indexOf.call(ev.dataTransfer.types, "Files") >= 0) {
        ev.preventDefault();
        ev.dataTransfer.dropEffect = "copy";
      }
    });
    canvas.addEventListener("drop", function (ev) {
      var file = ev.dataTransfer && ev.dataTransfer.files[0];
      if (!file) return;
      ev.preventDefault();
      intoFiles(file, function (path) {
        Module.ccall("web_dropped", null, ["number", "string"], [f.desc.id, path]);
      });
    });
  }

  // ---- the menu and its keys ---------------------------------------------------------------
  var menu = null;
  function hideMenu() {
    if (menu) menu.remove();
    menu = null;
  }

  function perform(f, a) {
    if (a.kind === "save") {
      askSaveFormat(function (pdf) {
        call("web_action", ["number", "number", "number"], [f.desc.id, a.i, pdf ? 1 : 0]);
      });
      return;
    }
    call("web_action", ["number", "number", "number"], [f.desc.id, a.i, 0]);
  }

  function showMenu(f, x, y) {
    hideMenu();
    if (!f.desc.actions.length) return;
    menu = el("div", "zmenu");
    menu.setAttribute("role", "menu");
    f.desc.actions.forEach(function (a) {
      var row = el("button", "zmenurow");
      row.type = "button";
      row.setAttribute("role", a.kind === "overlay" ? "menuitemcheckbox" : "menuitem");
      var tick = el("span", "ztick");
      tick.textContent = a.kind === "overlay" && f.overlay ? "✓" : "";
      if (a.kind === "overlay") row.setAttribute("aria-checked", f.overlay ? "true" : "false");
      var caption = el("span", "zcaption");
      caption.textContent = a.caption;
      var keys = el("span", "zkeys");
      keys.textContent = a.shown;
      row.appendChild(tick);
      row.appendChild(caption);
      row.appendChild(keys);
      row.addEventListener("click", function () {
        hideMenu();
        perform(f, a);
      });
      menu.appendChild(row);
    });
    document.body.appendChild(menu);
    var w = menu.offsetWidth, h = menu.offsetHeight;
    var vw = document.documentElement.clientWidth, vh = window.innerHeight;
    menu.style.left = Math.max(0, Math.min(x, vw - w)) + "px";
    menu.style.top = Math.max(0, Math.min(y, vh - h)) + "px";
    menu.firstChild.focus();
  }

  function bindMenu(f, canvas) {
    canvas.addEventListener("contextmenu", function (ev) {
      ev.preventDefault();
      showMenu(f, ev.clientX, ev.clientY);
    });
  }

  function keysOf(ev) {
    var k = ev.key.length === 1 ? ev.key.toLowerCase() : ev.key.toLowerCase();
    // Ctrl+C on a Russian keyboard is Ctrl+С: the key's place names it.
    if (ev.code && /^Key[A-Z]$/.test(ev.code)) k = ev.code.charAt(3).toLowerCase();
    return (ev.ctrlKey || ev.metaKey ? "ctrl+" : "") + k;
  }

  function bindKeys(f) {
    var target = f.desc.main ? document : f.root;
    target.addEventListener("keydown", function (ev) {
      if (ev.defaultPrevented) return;
      // A window's own keys come first (its listener is nearer); the rest are the main form's.
      var keys = keysOf(ev);
      var inField = ev.target.tagName === "INPUT" && ev.target.type === "text";
      f.desc.actions.forEach(function (a) {
        if (!a.keys || a.keys !== keys || ev.defaultPrevented) return;
        // A field keeps its own copy.
        if (a.keys === "ctrl+c" && inField) return;
        ev.preventDefault();
        perform(f, a);
      });
    });
  }

  function bindArrows(f) {
    f.root.addEventListener("keydown", function (ev) {
      if (ev.defaultPrevented || ev.ctrlKey || ev.altKey || ev.metaKey || ev.shiftKey) return;
      if (ev.target.tagName === "INPUT" && ev.target.type === "text") return;
      var key = ["ArrowLeft", "ArrowUp", "ArrowRight", "ArrowDown"].indexOf(ev.key);
      if (key < 0) return;
      ev.preventDefault();
      call("web_arrow", ["number", "number"], [f.desc.id, key]);
    });
  }

  document.addEventListener("pointerdown", function (ev) {
    if (menu && !menu.contains(ev.target)) hideMenu();
  });
  document.addEventListener("keydown", function (ev) {
    if (menu && ev.key === "Escape") hideMenu();
  });

  // ---- dialogs and questions ---------------------------------------------------------------
  function dialog(title) {
    var d = el("dialog", "zdialog");
    var h = el("div", "ztitle");
    h.textContent = title;
    d.appendChild(h);
    document.body.appendChild(d);
    d.addEventListener("close", function () { d.remove(); });
    return d;
  }

  function buttons(d, list) {
    var row = el("div", "zbuttons");
    list.forEach(function (b) {
      var e = el("button", "zbutton");
      e.type = "button";
      e.textContent = b[0];
      e.addEventListener("click", b[1]);
      row.appendChild(e);
    });
    d.appendChild(row);
    return row;
  }

  function error(title, message) {
    var d = dialog(title);
    d.classList.add("zerror");
    d.setAttribute("role", "alertdialog");
    var text = el("div", "zmessage");
    text.textContent = message;
    d.appendChild(text);
    var row = buttons(d, [["OK", function () { d.close(); }]]);
    d.showModal();
    row.firstChild.focus();
  }

  function askSaveFormat(done) {
    var d = dialog("Сохранить рисунок");
    var text = el("div", "zmessage");
    text.textContent = "Сохранить рисунок как:";
    d.appendChild(text);
    var row = buttons(d, [
      ["Рисунок PNG", function () { d.close(); done(false); }],
      ["Векторный рисунок PDF", function () { d.close(); done(true); }],
      ["Отмена", function () { d.close(); }]]);
    d.showModal();
    row.firstChild.focus();
  }

  var fileInput = null;
  function intoFiles(file, done) {
    file.arrayBuffer().then(function (buffer) {
      var name = file.name.replace(/[\/\\]/g, "_") || "файл";
      var folder = "/файлы" + (++intoFiles.count);
      Module.FS.mkdir(folder);
      var path = folder + "/" + name;
      Module.FS.writeFile(path, new Uint8Array(buffer));
      done(path);
    });
  }
  intoFiles.count = 0;

  function askFile(q) {
    if (fileInput) fileInput.remove();
    fileInput = el("input");
    fileInput.type = "file";
    fileInput.style.display = "none";
    var patterns = (q.filter.match(/\*\.[A-Za-z0-9]+/g) || []).map(function (p) { return p.slice(1); });
    if (patterns.length) fileInput.accept = patterns.join(",");
    fileInput.addEventListener("change", function () {
      var file = fileInput.files[0];
      if (!file) return answer(null);
      intoFiles(file, function (path) { answer(path); });
    });
    // A cancelled picker says nothing: the command already ran as cancelled, and a picker
    // that reports a cancel before its file (as a headless one does) still gives the file.
    document.body.appendChild(fileInput);
    fileInput.click();
  }

  function answer(text) {
    Module.ccall("web_answer", null, ["number", "string"], [text === null ? 0 : 1, text || ""]);
  }

  function askChoice(q) {
    var d = dialog(q.title);
    d.classList.add("zchoice");
    var prompt = el("label", "zmessage");
    prompt.textContent = q.prompt;
    d.appendChild(prompt);
    var field = el("input", "zedit");
    field.type = "text";
    field.value = q.items[q.selected] || "";
    var list = el("select", "zlist");
    list.size = Math.min(10, Math.max(2, q.items.length));
    q.items.forEach(function (item, k) {
      var o = el("option");
      o.textContent = item;
      o.selected = k === q.selected;
      list.appendChild(o);
    });
    list.addEventListener("change", function () { field.value = list.value; });
    d.appendChild(field);
    d.appendChild(list);
    var given = false;
    var ok = function () { given = true; d.close(); answer(field.value); };
    list.addEventListener("dblclick", ok);
    field.addEventListener("keydown", function (ev) { if (ev.key === "Enter") ok(); });
    buttons(d, [["OK", ok], ["Отмена", function () { d.close(); }]]);
    d.addEventListener("close", function () { if (!given) answer(null); });
    d.showModal();
    field.focus();
    field.select();
  }

  function ask(q) {
    if (q.kind === "open") askFile(q);
    else askChoice(q);
  }

  // ---- files, clipboard, printing ----------------------------------------------------------
  function download(name, blob) {
    var a = el("a");
    a.href = URL.createObjectURL(blob);
    a.download = name;
    document.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(function () { URL.revokeObjectURL(a.href); }, 60000);
  }

  function cannot(what) {
    error(document.title, what);
  }

  function bytes(what, name, data) {
    if (what === "save") {
      download(name, new Blob([data], { type: /\.pdf$/.test(name) ? "application/pdf" : "image/png" }));
    } else if (what === "copy") {
      var blob = new Blob([data], { type: "image/png" });
      if (!navigator.clipboard || !window.ClipboardItem)
        return cannot("Браузер не даёт копировать рисунки: сохраните рисунок (Ctrl+S).");
      navigator.clipboard.write([new ClipboardItem({ "image/png": blob })]).catch(function () {
        cannot("Браузер не дал скопировать рисунок в буфер обмена: сохраните рисунок (Ctrl+S).");
      });
    } else if (what === "print") {
      var img = document.getElementById("zprint");
      img.onload = function () { window.print(); };
      img.alt = name;
      img.src = URL.createObjectURL(new Blob([data], { type: "image/png" }));
    }
  }

  function copyText(text) {
    var fallback = function () {
      var area = el("textarea");
      area.value = text;
      document.body.appendChild(area);
      area.select();
      document.execCommand("copy");
      area.remove();
    };
    if (navigator.clipboard && navigator.clipboard.writeText)
      navigator.clipboard.writeText(text).catch(fallback);
    else fallback();
  }

  function openUrl(url) {
    window.open(url, "_blank", "noopener,noreferrer");
  }

  function decimalSeparator() {
    var languages = navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language];
    try {
      var parts = new Intl.NumberFormat(languages).formatToParts(0.5);
      for (var k = 0; k < parts.length; k++) if (parts[k].type === "decimal") return parts[k].value;
    } catch (e) {}
    return ".";
  }

  // ---- windows beside the main one ---------------------------------------------------------
  function placeWindow(f) {
    var vw = document.documentElement.clientWidth, main = forms[1];
    var mainWidth = main ? main.root.offsetWidth : 0;
    var beside = vw - mainWidth - 24;
    var hasPicture = f.images.length > 0;
    f.panel.classList.remove("zbeside", "zover");
    if (main && !main.stacked && (beside >= f.desc.width || (hasPicture && beside >= 320))) {
      f.room = Math.min(beside, f.desc.width);
      f.panel.classList.add("zbeside");
      f.panel.style.left = (mainWidth + 12) + "px";
      f.panel.style.top = "8px";
    } else {
      f.room = Math.min(vw - 10, f.desc.width);
      f.panel.classList.add("zover");
      f.panel.style.left = Math.max(0, vw - f.room - 10) + "px";
      // Over the controls, not over the chart it is read beside: on a narrow screen just
      // below the chart.
      var chart = main && main.stacked && main.images.length ? main.boxes[main.images[0]] : null;
      f.panel.style.top = (chart ? chart[1] + chart[3] + 4 : window.scrollY + 8) + "px";
    }
  }

  // A window whose narrowest layout is wider than the room beside the chart (the methods
  // window's column) goes over it instead, within the screen: it can be dragged aside.
  function keepInView(f) {
    var vw = document.documentElement.clientWidth;
    if (f.panel.offsetLeft + f.panel.offsetWidth <= vw) return;
    f.panel.classList.remove("zbeside");
    f.panel.classList.add("zover");
    f.panel.style.left = Math.max(0, vw - f.panel.offsetWidth - 10) + "px";
  }

  function raiseWindow(f) {
    f.panel.style.zIndex = ++topZ;
    var first = f.desc.stops.length ? focusable(f.els[f.desc.stops[0]]) : null;
    if (first) first.focus({ preventScroll: true });
  }

  function openWindow(f) {
    var panel = el("section", "zwindow");
    panel.setAttribute("role", "dialog");
    panel.setAttribute("aria-label", f.desc.caption);
    var bar = el("div", "zbar");
    f.title = el("span", "zbartitle");
    f.title.textContent = f.desc.caption;
    var close = el("button", "zclose");
    close.type = "button";
    close.title = "Закрыть";
    close.textContent = "✕";
    close.addEventListener("click", function () {
      panel.remove();
      delete forms[f.desc.id];
      call("web_closed", ["number"], [f.desc.id]);
      relayoutAll();
    });
    bar.appendChild(f.title);
    bar.appendChild(close);
    panel.appendChild(bar);
    var body = el("div", "zwindowbody");
    body.appendChild(f.root);
    panel.appendChild(body);
    f.panel = panel;
    document.getElementById("zwindows").appendChild(panel);
    dragBy(bar, panel);
    placeWindow(f);
    layout(f);
    keepInView(f);
    raiseWindow(f);
  }

  function dragBy(bar, panel) {
    var from = null;
    bar.addEventListener("pointerdown", function (ev) {
      if (ev.target.tagName === "BUTTON") return;
      from = { x: ev.clientX - panel.offsetLeft, y: ev.clientY - panel.offsetTop };
      bar.setPointerCapture(ev.pointerId);
      panel.style.zIndex = ++topZ;
    });
    bar.addEventListener("pointermove", function (ev) {
      if (!from) return;
      panel.style.left = Math.max(0, ev.clientX - from.x) + "px";
      panel.style.top = Math.max(0, ev.clientY - from.y) + "px";
    });
    bar.addEventListener("pointerup", function () { from = null; });
  }

  var resizeTimer = null;
  window.addEventListener("resize", function () {
    clearTimeout(resizeTimer);
    resizeTimer = setTimeout(relayoutAll, 60);
  });
  if (window.visualViewport) {
    var lastRatio = 0;
    window.visualViewport.addEventListener("resize", function () {
      if (ratio() === lastRatio) return;
      lastRatio = ratio();
      Object.keys(forms).forEach(function (id) {
        forms[id].images.forEach(function (i) { reshow(forms[id], i); });
      });
    });
  }

  return {
    showForm: showForm, refresh: refresh, picture: picture, error: error, ask: ask,
    openUrl: openUrl, bytes: bytes, copyText: copyText, decimalSeparator: decimalSeparator,
    forms: forms
  };
})();
