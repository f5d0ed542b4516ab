Caligari V00.01ALH             
PolH V0.02 Id 1000001 Parent 1000000 Size -1
Name Tri
center 0 0 0
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
1 0 0 10
0 1 0 0
0 0 1 0
0 0 0 1
World Vertices 3
0 0 0
1 0 0
0 1 0
Texture Vertices 1
0 0
Faces 1
Face verts 3 flags 0 mat 0
<0,0> <1,0> <2,0> 
END  V1.00 Id 0 Parent 0 Size        0