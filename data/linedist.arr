1.0000
0.9997
0.9997
0.9988
0.9972
0.9972
0.9950
0.9923
0.9889
0.9889
0.9850
0.9806
0.9756
0.9756
0.9701
0.9642
0.9642
0.9578
0.9510
0.9439
0.9363
0.9363
0.9285
0.9203
0.9119
0.9033
0.8944
0.8944
0.8854
0.8762
0.8669
0.8575
0.8480
0.8384
0.8288
0.8192
0.8096
0.8000
0.7904
0.7809
0.7619
0.7526
0.7433
0.7341
0.7160
0.7071

Sight-line length factors, one per line for lines 0..45; only the first 46 lines are read.
Line k steps once along the major axis per step and once along the minor axis for each set bit of
its 40-bit step pattern, so it climbs n/40 squares per step (n = the pattern's set bits). After L
steps it lies L * sqrt(1 + (n/40)^2) squares from the viewer; the factor 1 / sqrt(1 + (n/40)^2)
makes every line stop at the same distance, so that the view ends on a circle.
