// The host's entry points into the PDF.js viewer. Loaded before viewer.js.
"use strict";

// The viewer would open its sample document at start; the host decides what is shown. Its
// interface speaks Chinese whatever the engine's own language (strings in locale/zh-CN). The
// options are the host's alone: no stored viewer preferences may override them.
document.addEventListener("webviewerloaded", function () {
  PDFViewerApplicationOptions.set("disablePreferences", true);
  PDFViewerApplicationOptions.set("defaultUrl", "");
  PDFViewerApplicationOptions.set("locale", "zh-CN");
});

// The viewer formats dates in the engine's language, which need not be the interface's.
["toLocaleString", "toLocaleDateString", "toLocaleTimeString"].forEach(function (name) {
  var format = Date.prototype[name];
  Date.prototype[name] = function (locales, options) {
    return format.call(this, locales === undefined ? "zh-CN" : locales, options);
  };
});

// The file name of the document, for the host to set: a document handed over as bytes has
// none, and the viewer would call it "document.pdf" in its properties and its downloads.
var qpdf_documentName = "";

function qpdf_nameDocument() {
  var app = PDFViewerApplication;
  if (!qpdf_documentName || !app.pdfDocument) {
    return;
  }
  app._contentDispositionFilename = qpdf_documentName;
  app.pdfDocumentProperties.url = qpdf_documentName;
}

// Names the document shown and those opened after it.
function qpdf_setDocumentName(name) {
  qpdf_documentName = name;
  qpdf_nameDocument();
}

function qpdf_open(source) {
  return PDFViewerApplication.initializedPromise.then(function () {
    return PDFViewerApplication.open(source);
  }).then(qpdf_nameDocument);
}

// Base64 is decoded straight from the text into the byte array: going through atob() first
// would build a second string as large as the file.
var qpdf_base64Values = (function () {
  var table = new Uint8Array(256);
  var alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  for (var i = 0; i < alphabet.length; ++i) {
    table[alphabet.charCodeAt(i)] = i;
  }
  return table;
})();

// Decodes the characters of `text` from `start` to `end` (no padding among them) into `bytes`
// from index `out`; a last group of two or three characters gives one or two bytes. Returns the
// index after the last byte written.
function qpdf_decodeBase64Into(text, start, end, bytes, out) {
  var values = qpdf_base64Values;
  var i = start;
  for (; i + 4 <= end; i += 4) {
    var n = (values[text.charCodeAt(i)] << 18) | (values[text.charCodeAt(i + 1)] << 12) |
            (values[text.charCodeAt(i + 2)] << 6) | values[text.charCodeAt(i + 3)];
    bytes[out++] = n >> 16;
    bytes[out++] = (n >> 8) & 255;
    bytes[out++] = n & 255;
  }
  if (end - i >= 2) {
    var rest = (values[text.charCodeAt(i)] << 18) | (values[text.charCodeAt(i + 1)] << 12);
    if (end - i === 3) {
      rest |= values[text.charCodeAt(i + 2)] << 6;
    }
    bytes[out++] = rest >> 16;
    if (end - i === 3) {
      bytes[out++] = (rest >> 8) & 255;
    }
  }
  return out;
}

function qpdf_unpaddedLength(text) {
  var length = text.length;
  while (length > 0 && text.charCodeAt(length - 1) === 61) { // '='
    --length;
  }
  return length;
}

function qpdf_decodeBase64(text) {
  var length = qpdf_unpaddedLength(text);
  var bytes = new Uint8Array(Math.floor(length * 3 / 4));
  qpdf_decodeBase64Into(text, 0, length, bytes, 0);
  return bytes;
}

// Decodes Base64 text that arrives in pieces of any length, `length` characters in all, and
// passes the bytes to `done` after the last one. Each piece is read where it stands (joining it
// to what came before would make the engine copy it first); a group split between two pieces
// is completed from the next one. A padded last group is decoded as if its padding were
// zeros, and the bytes this adds are dropped at the end.
function qpdf_base64Receiver(length, done) {
  var bytes = new Uint8Array(Math.ceil(length / 4) * 3);
  var out = 0;
  var held = "";   // the start of a group split between pieces (fewer than four characters)
  var last = "";   // the last two characters so far, to count the padding
  return {
    add: function (piece) {
      var start = 0;
      if (held) {
        start = Math.min(4 - held.length, piece.length);
        held += piece.substring(0, start);
        if (held.length === 4) {
          out = qpdf_decodeBase64Into(held, 0, 4, bytes, out);
          held = "";
        }
      }
      var end = piece.length - (piece.length - start) % 4;
      out = qpdf_decodeBase64Into(piece, start, end, bytes, out);
      held += piece.substring(end);
      last = (last + piece.slice(-2)).slice(-2);
    },
    end: function () {
      if (held) {
        out = qpdf_decodeBase64Into(held, 0, qpdf_unpaddedLength(held), bytes, out);
      } else {
        out -= last.length - qpdf_unpaddedLength(last);
      }
      return done(out === bytes.length ? bytes : bytes.subarray(0, out));
    }
  };
}

// The request for a document the host serves (qpdf_ShowPdfFromHost) while it is on its way.
// Whatever is shown or closed after it was made wins: the request stops, so that it can never
// put its document over a later one when it arrives.
var qpdf_fetching = null;

function qpdf_stopFetching() {
  var request = qpdf_fetching;
  qpdf_fetching = null;
  if (request) {
    request.abort();
  }
}

// Shows the PDF whose bytes are the Base64 text.
function qpdf_ShowPdfFileBase64(text) {
  qpdf_stopFetching();
  return qpdf_open(qpdf_decodeBase64(text));
}

// The host hands long texts over in pieces: decoding each on arrival keeps the decoding off the
// time the document waits for.
qpdf_ShowPdfFileBase64.receivePieces = function (length) {
  qpdf_stopFetching();
  return qpdf_base64Receiver(length, qpdf_open);
};

// Shows the PDF at a file:// URL.
function qpdf_ShowPdfFile(url) {
  qpdf_stopFetching();
  return qpdf_open(url);
}

// Shows the PDF whose bytes the host serves at `url` (the bridge's kwpdf: scheme). They arrive
// in one array buffer, as a file the page read itself would, and the host serves them once.
function qpdf_ShowPdfFromHost(url) {
  qpdf_stopFetching();
  var request = new XMLHttpRequest();
  qpdf_fetching = request;
  request.open("GET", url);
  request.responseType = "arraybuffer";
  request.onload = function () {
    if (qpdf_fetching !== request) {
      return;
    }
    qpdf_fetching = null;
    if (request.status === 200 && request.response) {
      qpdf_open(new Uint8Array(request.response));
    } else {
      console.error("qpdf: the host did not serve " + url + " (" + request.status + ")");
    }
  };
  request.onerror = function () {
    if (qpdf_fetching === request) {
      qpdf_fetching = null;
    }
    console.error("qpdf: the host did not serve " + url);
  };
  request.send();
}

// Closes the document shown, or on its way.
function qpdf_close() {
  qpdf_stopFetching();
  PDFViewerApplication.close();
}

// The host clears the search with findController.reset(); this PDF.js keeps that step private,
// but setting the same document again runs it and keeps the document.
document.addEventListener("webviewerloaded", function () {
  PDFViewerApplication.initializedPromise.then(function () {
    var finder = PDFViewerApplication.findController;
    if (finder && typeof finder.reset !== "function") {
      finder.reset = function () {
        this.setDocument(this._pdfDocument || null);
      };
    }
  });
});

// The find bar is docked under the toolbar (qpdf.css); the pages start below it while it is
// open. Its height changes when its contents wrap on a narrow window.
document.addEventListener("DOMContentLoaded", function () {
  var bar = document.getElementById("findbar");
  if (!bar) {
    return;
  }
  var update = function () {
    var height = bar.classList.contains("hidden") ? 0 : bar.offsetHeight;
    document.documentElement.style.setProperty("--qpdf-findbar-height", height + "px");
  };
  new MutationObserver(update).observe(bar, { attributes: true, attributeFilter: ["class"] });
  new ResizeObserver(update).observe(bar);
});

// Opening another file is not the embedded viewer's business (its buttons are hidden, see
// qpdf.css): Ctrl+O stops here, before the viewer's own key handler.
window.addEventListener("keydown", function (event) {
  if (event.keyCode === 79 && (event.ctrlKey || event.metaKey) && !event.altKey) {
    event.preventDefault();
    event.stopImmediatePropagation();
  }
}, true);

// Shows `text` for a few seconds at the foot of the viewer.
function qpdf_showNotice(text) {
  var notice = document.getElementById("qpdfNotice");
  if (!notice) {
    notice = document.createElement("div");
    notice.id = "qpdfNotice";
    notice.setAttribute("role", "status");
    document.body.appendChild(notice);
  }
  notice.textContent = text;
  notice.classList.remove("hidden");
  clearTimeout(qpdf_showNotice.timer);
  qpdf_showNotice.timer = setTimeout(function () {
    notice.classList.add("hidden");
  }, 5000);
}

// Printing. viewer.js renders the pages for print into #printContainer, calls the window.print
// it found when it loaded (the one set here: this file runs first) and clears the pages 20 ms
// later. The engine does not print within that call: it asks the host (printRequested) and
// returns. So the rendered pages, and the page size the viewer chose, move to a container of
// ours that is printed instead and is emptied when the host calls qpdf_printDone().
var qpdf_enginePrint = window.print;

function qpdf_printHold() {
  var held = document.getElementById("qpdfPrintContainer");
  if (!held) {
    held = document.createElement("div");
    held.id = "qpdfPrintContainer";
    document.body.appendChild(held);
    var pageStyle = document.createElement("style");
    pageStyle.id = "qpdfPageStyle";
    document.head.appendChild(pageStyle);
  }
  return held;
}

window.print = function () {
  var rendered = document.getElementById("printContainer");
  var held = qpdf_printHold();
  qpdf_printDone();
  while (rendered && rendered.firstChild) {
    held.appendChild(rendered.firstChild);
  }
  var styles = document.querySelectorAll("body > style");
  for (var i = 0; i < styles.length; ++i) {
    if (styles[i].textContent.indexOf("@page") >= 0) {
      document.getElementById("qpdfPageStyle").textContent = styles[i].textContent;
    }
  }
  document.body.setAttribute("data-qpdfprinting", "true");
  qpdf_enginePrint.call(window);
};

// The host has printed (or given up): the held pages go.
function qpdf_printDone() {
  var held = document.getElementById("qpdfPrintContainer");
  if (!held) {
    return;
  }
  var images = held.querySelectorAll("img");
  for (var i = 0; i < images.length; ++i) {
    if (images[i].src.indexOf("blob:") === 0) {
      URL.revokeObjectURL(images[i].src);
    }
  }
  held.textContent = "";
  document.getElementById("qpdfPageStyle").textContent = "";
  document.body.removeAttribute("data-qpdfprinting");
}
