Caligari V00.01ALH             
PolH V0.06 Id 50001 Parent 0 Size 00000700
Name Spark
center 0 0 0
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
1 0 0 0
0 1 0 0
0 0 1 0
0 0 0 1
World Vertices 6
0.250000 0.000000 0.000000
-0.250000 0.000000 0.000000
0.000000 0.250000 0.000000
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.000000 0.000000 -0.400000
Texture Vertices 1
0.500000 0.500000
Faces 8
Face verts 3 flags 0 mat 0
<0,0> <4,0> <2,0> 
Face verts 3 flags 0 mat 0
<2,0> <4,0> <1,0> 
Face verts 3 flags 0 mat 0
<1,0> <4,0> <3,0> 
Face verts 3 flags 0 mat 0
<3,0> <4,0> <0,0> 
Face verts 3 flags 0 mat 0
<2,0> <5,0> <0,0> 
Face verts 3 flags 0 mat 0
<1,0> <5,0> <2,0> 
Face verts 3 flags 0 mat 0
<3,0> <5,0> <1,0> 
Face verts 3 flags 0 mat 0
<0,0> <5,0> <3,0> 
Mat1 V0.06 Id 50002 Parent 50001 Size 00000125
mat# 0
shader: metal  facet: faceted
rgb 1,0.85,0.3
alpha 1  ka 0.6  ks 0.9  exp 0.2  ior 1
environment: sparkle.bmp
flags 1
Unit V0.01 Id 50003 Parent 50001 Size 00000008
Units 2
END  V1.00 Id 0 Parent 0 Size        0