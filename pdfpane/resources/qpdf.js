// The host's entry points into the PDF.js viewer. Loaded before viewer.js.
"use strict";

// The viewer would open its sample document at start; the host decides what is shown.
document.addEventListener("webviewerloaded", function () {
  PDFViewerApplicationOptions.set("defaultUrl", "");
});

function qpdf_open(source) {
  return PDFViewerApplication.initializedPromise.then(function () {
    return PDFViewerApplication.open(source);
  });
}

// Shows the PDF whose bytes are the Base64 text. Decoded straight from the text into the byte
// array: going through atob() first would build a second string as large as the file.
var qpdf_base64Values = (function () {
  var table = new Uint8Array(256);
  var alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  for (var i = 0; i < alphabet.length; ++i) {
    table[alphabet.charCodeAt(i)] = i;
  }
  return table;
})();

function qpdf_decodeBase64(text) {
  var values = qpdf_base64Values;
  var length = text.length;
  while (length > 0 && text.charCodeAt(length - 1) === 61) { // '=' padding
    --length;
  }
  var bytes = new Uint8Array((length * 3) >> 2);
  var out = 0;
  var i = 0;
  for (; i + 4 <= length; i += 4) {
    var n = (values[text.charCodeAt(i)] << 18) | (values[text.charCodeAt(i + 1)] << 12) |
            (values[text.charCodeAt(i + 2)] << 6) | values[text.charCodeAt(i + 3)];
    bytes[out++] = n >> 16;
    bytes[out++] = (n >> 8) & 255;
    bytes[out++] = n & 255;
  }
  if (length - i >= 2) {
    var rest = (values[text.charCodeAt(i)] << 18) | (values[text.charCodeAt(i + 1)] << 12);
    if (length - i === 3) {
      rest |= values[text.charCodeAt(i + 2)] << 6;
    }
    bytes[out++] = rest >> 16;
    if (length - i === 3) {
      bytes[out++] = (rest >> 8) & 255;
    }
  }
  return bytes;
}

function qpdf_ShowPdfFileBase64(text) {
  return qpdf_open(qpdf_decodeBase64(text));
}

// Shows the PDF at a file:// URL.
function qpdf_ShowPdfFile(url) {
  return qpdf_open(url);
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
