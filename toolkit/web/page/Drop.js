// A file dropped on a picture is opened as the menu's row that opens a file would open it.
(function (Z) {
  "use strict";

  function carriesFiles(ev) {
    return ev.dataTransfer && Array.prototype.indexOf.call(ev.dataTransfer.types, "Files") >= 0;
  }

  function bindDrop(f, canvas) {
    canvas.addEventListener("dragover", function (ev) {
      if (!carriesFiles(ev)) return;
      ev.preventDefault();
      ev.dataTransfer.dropEffect = "copy";
    });
    canvas.addEventListener("drop", function (ev) {
      var file = ev.dataTransfer && ev.dataTransfer.files[0];
      if (!file) return;
      ev.preventDefault();
      Z.intoFiles(file, function (path) {
        Z.call("web_dropped", ["number", "string"], [f.desc.id, path]);
      });
    });
  }

  Z.bindDrop = bindDrop;
})(ZPage);
